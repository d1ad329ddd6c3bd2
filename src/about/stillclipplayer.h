#pragma once

#include "about/aboutcontrols.h"
#include "about/clipplayer.h"

// The player where the media player cannot be loaded: the clip's first frame, standing still in
// the clip's place. It takes every file name, as it has nothing to read from it.
class StillClipPlayer : public StretchedImage, public ClipPlayer
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(StillClipPlayer)

public:
    explicit StillClipPlayer(QWidget *window);

    QWidget *widget() override { return this; }
    bool setFileName(const QString &path) override;
};
