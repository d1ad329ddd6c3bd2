#pragma once

#include "about/clipplayermaker.h"

#include <QObject>

// The player plugin's root object: it makes MediaClipPlayers.
class MediaPlayerPlugin : public QObject, public ClipPlayerMaker
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID ClipPlayerMaker_iid)
    Q_INTERFACES(ClipPlayerMaker)
    Q_DISABLE_COPY_MOVE(MediaPlayerPlugin)

public:
    MediaPlayerPlugin() = default;

    ClipPlayer *create(QWidget *window) override;
};
