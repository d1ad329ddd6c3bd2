#pragma once

#include "about/clipplayer.h"

#include <QStringList>
#include <QWidget>

// A player that only notes the files it was given, so that the window tests need no media
// backend.
class RecordingPlayer : public QWidget, public ClipPlayer
{
public:
    explicit RecordingPlayer(QWidget *window)
        : QWidget(window)
    {
    }
    QWidget *widget() override { return this; }
    bool setFileName(const QString &path) override
    {
        files.append(path);
        return accepts;
    }

    QStringList files;
    bool accepts = true; // false: refuses every file, as a player without a codec for it

    static void install(bool accepting = true)
    {
        ClipPlayer::setFactory([accepting](QWidget *window) {
            auto *player = new RecordingPlayer(window);
            player->accepts = accepting;
            return player;
        });
    }
};
