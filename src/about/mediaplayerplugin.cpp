#include "about/mediaplayerplugin.h"

#include "about/mediaclipplayer.h"

ClipPlayer *MediaPlayerPlugin::create(QWidget *window)
{
    return new MediaClipPlayer(window);
}
