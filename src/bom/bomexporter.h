#pragma once

#include <QList>
#include <QString>
#include <QtPlugin>

#include <functional>

namespace BomSheet {
struct Sheet;
}
class BomPrinterChooser;
class QPagedPaintDevice;
class QWidget;

// What the export plugin offers the list window: writing a workbook and printing. The plugin
// carries libxlsxwriter (with minizip and libcrypto) and Qt Print Support with it, so the
// program loads them only when the user first exports a workbook or prints. The pages and the
// sheet are laid out by the program; the plugin only writes and prints them.
class BomExporter
{
public:
    struct PrintJob
    {
        QString documentName;
        // Sets the printer's page up before the user sees it.
        std::function<void(QPagedPaintDevice &)> setUpPage;
        // Draws the pages on the chosen printer; returns their number, 0 when it could not.
        std::function<int(QPagedPaintDevice &)> drawPages;
    };

    struct PrintOutcome
    {
        enum class Status { Cancelled, Printed, Failed };
        Status status = Status::Cancelled;
        int pages = 0;
        QString printerName;
    };

    virtual ~BomExporter() = default;

    // Writes the sheets, in their order, as one Excel workbook (.xlsx), each set for A4; false
    // with the reason when the file cannot be written.
    virtual bool writeWorkbook(const QList<BomSheet::Sheet> &sheets, const QString &path, QString *error) = 0;

    // Prints on the printer the user chooses: through the chooser where one is given (tests),
    // through the system's print dialog otherwise.
    virtual PrintOutcome print(QWidget *parent, const PrintJob &job, BomPrinterChooser *chooser) = 0;
};

#define BomExporter_iid "example.morvex.Calculator.BomExporter/2.0"
Q_DECLARE_INTERFACE(BomExporter, BomExporter_iid)
