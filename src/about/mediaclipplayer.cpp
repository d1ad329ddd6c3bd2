#include "about/mediaclipplayer.h"

#include <QFileInfo>
#include <QMediaPlayer>
#include <QUrl>
#include <QWindow>

namespace {

// How long the clip may take to start playing before it is started once more.
constexpr int StartWatchdogMs = 2000;
// How often, and how many times at most, the player looks whether its window is on the screen
// before it starts the clip.
constexpr int WindowPollMs = 10;
constexpr int MaxWindowPolls = 300;

} // namespace

MediaClipPlayer::MediaClipPlayer(QWidget *window)
    : QVideoWidget(window)
    , m_player(new QMediaPlayer(this))
{
    setAspectRatioMode(Qt::IgnoreAspectRatio);
    m_player->setVideoOutput(this);
    m_waitForWindow.setInterval(WindowPollMs);
    connect(&m_waitForWindow, &QTimer::timeout, this, &MediaClipPlayer::startWhenShown);
    m_watchdog.setSingleShot(true);
    m_watchdog.setInterval(StartWatchdogMs);
    connect(&m_watchdog, &QTimer::timeout, this, &MediaClipPlayer::checkStarted);
}

bool MediaClipPlayer::setFileName(const QString &path)
{
    const QFileInfo file(path);
    if (!file.isFile() || !file.isReadable())
        return false;
    m_player->setSource(QUrl::fromLocalFile(file.absoluteFilePath()));
    m_player->setLoops(Loops);
    // Started from the event loop once the window is on the screen: a clip started straight
    // after show(), before the window is exposed, can play on without ever being drawn.
    m_retried = false;
    m_waits = 0;
    m_watchdog.stop();
    m_waitForWindow.start();
    return true;
}

void MediaClipPlayer::startWhenShown()
{
    const QWindow *shown = window()->windowHandle();
    if ((shown && shown->isExposed()) || ++m_waits > MaxWindowPolls) {
        m_waitForWindow.stop();
        QTimer::singleShot(0, this, &MediaClipPlayer::start);
    }
}

void MediaClipPlayer::start()
{
    m_player->play();
    m_watchdog.start();
}

void MediaClipPlayer::checkStarted()
{
    const bool running = m_player->playbackState() == QMediaPlayer::PlayingState
                         && m_player->position() > 0;
    if (running || m_retried || m_player->error() != QMediaPlayer::NoError)
        return;
    m_retried = true;
    m_player->stop();
    m_player->play();
}
