#include "about/playerplugin.h"

#include "about/clipplayermaker.h"
#include "platform/programplugin.h"

#include <QtDebug>

namespace PlayerPlugin {

QString path(const QString &programDir)
{
    return ProgramPlugin::path(programDir, QStringLiteral(MORVEX_PLAYER_PLUGIN));
}

ClipPlayerMaker *maker(const QString &programDir)
{
    QString why;
    auto *maker = ProgramPlugin::load<ClipPlayerMaker>(path(programDir), &why);
    if (!maker)
        qWarning().noquote() << "The About window shows the clip's still picture: no media player:" << why;
    return maker;
}

} // namespace PlayerPlugin
