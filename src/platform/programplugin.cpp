#include "platform/programplugin.h"

#include <QDir>
#include <QPluginLoader>

namespace ProgramPlugin {

QString path(const QString &programDir, const QString &fileName)
{
    return QDir(programDir).filePath(QStringLiteral("plugins/") + fileName);
}

QObject *rootObject(const QString &path, QString *why)
{
    QPluginLoader loader(path);
    QObject *root = loader.instance();
    if (!root && why)
        *why = loader.errorString();
    return root;
}

} // namespace ProgramPlugin
