#pragma once

#include "about/clipplayer.h"

#include <QTimer>
#include <QVideoWidget>

class QMediaPlayer;

// The player of the program: Qt Multimedia's QMediaPlayer showing into a QVideoWidget.
class MediaClipPlayer : public QVideoWidget, public ClipPlayer
{
    Q_OBJECT

public:
    static constexpr int Loops = 1000;

    explicit MediaClipPlayer(QWidget *window);

    QWidget *widget() override { return this; }
    bool setFileName(const QString &path) override;

    QMediaPlayer *mediaPlayer() const { return m_player; }

private:
    void startWhenShown();
    void start();
    void checkStarted();

    QMediaPlayer *m_player;
    QTimer m_waitForWindow;
    int m_waits = 0;
    QTimer m_watchdog;
    bool m_retried = false;
};
