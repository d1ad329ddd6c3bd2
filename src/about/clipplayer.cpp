#include "about/clipplayer.h"

#include "about/clipplayermaker.h"
#include "about/playerplugin.h"
#include "about/stillclipplayer.h"

namespace {

ClipPlayer::Factory &factory()
{
    static ClipPlayer::Factory instance;
    return instance;
}

} // namespace

ClipPlayer *ClipPlayer::create(QWidget *window, const QString &programDir)
{
    if (factory())
        return factory()(window);
    if (ClipPlayerMaker *maker = PlayerPlugin::maker(programDir))
        return maker->create(window);
    return new StillClipPlayer(window);
}

void ClipPlayer::setFactory(Factory f)
{
    factory() = std::move(f);
}
