#pragma once

#include "bom/bomexporter.h"

#include <QObject>

// The export plugin's root object: the workbook through libxlsxwriter, the printing through
// Qt Print Support.
class XlsxPrintPlugin : public QObject, public BomExporter
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID BomExporter_iid)
    Q_INTERFACES(BomExporter)
    Q_DISABLE_COPY_MOVE(XlsxPrintPlugin)

public:
    XlsxPrintPlugin() = default;

    bool writeWorkbook(const QList<BomSheet::Sheet> &sheets, const QString &path, QString *error) override;
    PrintOutcome print(QWidget *parent, const PrintJob &job, BomPrinterChooser *chooser) override;
};
