#include "about/playerplugin.h"

#include "about/clipplayermaker.h"

#include <QDir>
#include <QPluginLoader>
#include <QtDebug>

namespace PlayerPlugin {

QString path(const QString &programDir)
{
    return QDir(programDir).filePath(QStringLiteral("plugins/" MORVEX_PLAYER_PLUGIN));
}

ClipPlayerMaker *maker(const QString &programDir)
{
    // A loader left to go out of scope keeps its plugin loaded; a second one on the same file
    // finds it loaded and hands back the same root object.
    QPluginLoader loader(path(programDir));
    auto *maker = qobject_cast<ClipPlayerMaker *>(loader.instance());
    if (!maker)
        qWarning().noquote() << "The About window shows the clip's still picture: no media player:"
                             << (loader.isLoaded() ? QStringLiteral("not a player plugin") : loader.errorString());
    return maker;
}

} // namespace PlayerPlugin
