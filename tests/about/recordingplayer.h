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
        return true;
    }

    QStringList files;

    static void install()
    {
        ClipPlayer::setFactory([](QWidget *window) { return new RecordingPlayer(window); });
    }
};
