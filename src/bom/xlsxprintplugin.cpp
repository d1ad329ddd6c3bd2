#include "bom/xlsxprintplugin.h"

#include "bom/bomprinting.h"
#include "bom/bomxlsx.h"

bool XlsxPrintPlugin::writeWorkbook(const QList<BomSheet::Sheet> &sheets, const QString &path, QString *error)
{
    return BomXlsx::write(sheets, path, error);
}

BomExporter::PrintOutcome XlsxPrintPlugin::print(QWidget *parent, const PrintJob &job, BomPrinterChooser *chooser)
{
    return BomPrinting::print(parent, job, chooser);
}
