#pragma once

#include "bom/bomprinterchooser.h"

#include <QPageLayout>
#include <QPrinter>
#include <QString>

// Answers the printer question from the test: a printer that prints into a PDF file, or a
// cancelled print; notes the page and document the printer was set up with when asked.
// (Qt Print Support: only the tests that print link it.)
class RecordingPrinter : public BomPrinterChooser
{
public:
    bool choosePrinter(QWidget *, QPrinter &printer) override
    {
        ++asked;
        layout = printer.pageLayout();
        documentName = printer.docName();
        if (printTo.isEmpty())
            return false;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(printTo);
        return true;
    }

    QString printTo;
    int asked = 0;
    QPageLayout layout;
    QString documentName;
};
