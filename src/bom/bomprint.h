#pragma once

#include "bom/billofmaterials.h"

#include <QString>

class QPagedPaintDevice;

// The materials list drawn on pages as the window groups it: the title, the column headings on
// every page, a heading line per standard, the items, the subtotals and the grand totals, and
// "Лист n из N" at the foot of each page. The same drawing goes to a PDF file and to a printer.
namespace BomPrint {

// Draws on the device as it is set up (page size, margins); returns the number of pages, 0 if
// the device could not be painted on.
int render(const BillOfMaterials &list, QPagedPaintDevice &device);

// A PDF file on A4 with margins of 15 mm.
bool writePdf(const BillOfMaterials &list, const QString &path, QString *error = nullptr);

// Sets a device up for the list: A4 portrait, margins of 15 mm.
void setUpPage(QPagedPaintDevice &device);

} // namespace BomPrint
