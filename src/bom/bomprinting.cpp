#include "bom/bomprinting.h"

#include "bom/bomprinterchooser.h"

#include <QPrintDialog>
#include <QPrinter>

namespace BomPrinting {

namespace {

bool askTheUser(QWidget *parent, QPrinter &printer)
{
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(QStringLiteral("Печать спецификации"));
    return dialog.exec() == QDialog::Accepted;
}

} // namespace

BomExporter::PrintOutcome print(QWidget *parent, const BomExporter::PrintJob &job, BomPrinterChooser *chooser)
{
    using Status = BomExporter::PrintOutcome::Status;
    QPrinter printer(QPrinter::HighResolution);
    job.setUpPage(printer);
    printer.setDocName(job.documentName);
    if (!(chooser ? chooser->choosePrinter(parent, printer) : askTheUser(parent, printer)))
        return {Status::Cancelled, 0, printer.printerName()};
    const int pages = job.drawPages(printer);
    return {pages > 0 ? Status::Printed : Status::Failed, pages, printer.printerName()};
}

} // namespace BomPrinting
