#include "about/clipplayer.h"

#include "about/mediaclipplayer.h"

namespace {

ClipPlayer::Factory &factory()
{
    static ClipPlayer::Factory instance;
    return instance;
}

} // namespace

ClipPlayer *ClipPlayer::create(QWidget *window)
{
    if (factory())
        return factory()(window);
    return new MediaClipPlayer(window);
}

void ClipPlayer::setFactory(Factory f)
{
    factory() = std::move(f);
}
