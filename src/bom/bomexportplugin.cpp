#include "bom/bomexportplugin.h"

#include "bom/bomexporter.h"
#include "platform/programplugin.h"

#include <QtDebug>

namespace BomExportPlugin {

QString path(const QString &programDir)
{
    return ProgramPlugin::path(programDir, QStringLiteral(MORVEX_BOMEXPORT_PLUGIN));
}

BomExporter *exporter(const QString &programDir)
{
    QString why;
    auto *exporter = ProgramPlugin::load<BomExporter>(path(programDir), &why);
    if (!exporter)
        qWarning().noquote() << "The materials list cannot export a workbook or print: no export plugin:" << why;
    return exporter;
}

} // namespace BomExportPlugin
