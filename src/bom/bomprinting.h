#pragma once

#include "bom/bomexporter.h"

// Printing a print job on a printer of Qt Print Support, chosen through the chooser or the
// system's print dialog. Part of the export plugin.
namespace BomPrinting {

BomExporter::PrintOutcome print(QWidget *parent, const BomExporter::PrintJob &job, BomPrinterChooser *chooser);

} // namespace BomPrinting
