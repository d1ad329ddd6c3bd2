#include "bom/bomexportplugin.h"

#include "bom/bomexporter.h"

#include <QDir>
#include <QPluginLoader>
#include <QtDebug>

namespace BomExportPlugin {

QString path(const QString &programDir)
{
    return QDir(programDir).filePath(QStringLiteral("plugins/" MORVEX_BOMEXPORT_PLUGIN));
}

BomExporter *exporter(const QString &programDir)
{
    // The loader keeps its plugin loaded when it goes out of scope; a later one on the same file
    // hands back the same root object.
    QPluginLoader loader(path(programDir));
    auto *exporter = qobject_cast<BomExporter *>(loader.instance());
    if (!exporter)
        qWarning().noquote() << "The materials list cannot export a workbook or print: no export plugin:"
                             << (loader.isLoaded() ? QStringLiteral("not an export plugin") : loader.errorString());
    return exporter;
}

} // namespace BomExportPlugin
