#pragma once

class QPrinter;
class QWidget;

// Lets the user choose and set up the printer before the list is printed. The real one is the
// system's print dialog, inside the export plugin; tests answer without a modal dialog.
class BomPrinterChooser
{
public:
    virtual ~BomPrinterChooser() = default;
    // False when the printing was cancelled.
    virtual bool choosePrinter(QWidget *parent, QPrinter &printer) = 0;
};
