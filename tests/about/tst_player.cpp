// The real media player, loaded from the player plugin of the build as the About window loads
// it, on the built clip, in a real window under a virtual X display; it skips where there is no
// display or no media backend.
//
// With MORVEX_SCREENSHOT set to a file name, the intro's screen is written there.

#include "about/clipplayer.h"
#include "about/form2.h"
#include "about/stillclipplayer.h"
#include "shell/form1.h"
#include "testwindow.h"

#include <QGuiApplication>
#include <QMediaPlayer>
#include <QPointer>
#include <QScreen>
#include <QTest>
#include <QVideoFrame>
#include <QVideoSink>
#include <QVideoWidget>

namespace {

const QString ProgramDir = QStringLiteral(MORVEX_PROGRAM_DIR);
const QString Clip = ProgramDir + QStringLiteral("morvex.avi");
constexpr int StartTimeoutMs = 15000;

bool playing(const QMediaPlayer *player)
{
    const QMediaPlayer::MediaStatus status = player->mediaStatus();
    return (status == QMediaPlayer::LoadedMedia || status == QMediaPlayer::BufferedMedia)
           && player->playbackState() == QMediaPlayer::PlayingState;
}

// The clip's background colour, as make_clip draws it.
bool isClipBackground(QRgb pixel)
{
    return qAbs(qRed(pixel) - 24) <= 8 && qAbs(qGreen(pixel) - 40) <= 8 && qAbs(qBlue(pixel) - 64) <= 8;
}

// The plugin's player shows into a video widget and plays through a media player of its own.
QMediaPlayer *mediaPlayerOf(ClipPlayer *player)
{
    return player->widget()->findChild<QMediaPlayer *>();
}

} // namespace

class TestPlayer : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            QSKIP("needs an X display (the test runs itself under xvfb-run where it is installed)");
        QMediaPlayer probe;
        if (!probe.isAvailable())
            QSKIP("no media backend");
    }

    void playsTheBuiltClipLooping()
    {
        QWidget window;
        window.resize(100, 100);
        ClipPlayer *player = ClipPlayer::create(&window, ProgramDir);
        QVERIFY2(!dynamic_cast<StillClipPlayer *>(player), "the player plugin of the build did not load");
        auto *video = qobject_cast<QVideoWidget *>(player->widget());
        QVERIFY(video);
        QMediaPlayer *media = mediaPlayerOf(player);
        QVERIFY(media);
        video->setGeometry(10, 10, 21, 28);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        int frames = 0;
        QSize frameSize;
        connect(video->videoSink(), &QVideoSink::videoFrameChanged, this, [&](const QVideoFrame &frame) {
            ++frames;
            frameSize = frame.size();
        });
        QVERIFY(player->setFileName(Clip));
        QTRY_VERIFY_WITH_TIMEOUT(playing(media), StartTimeoutMs);
        QCOMPARE(media->loops(), 1000);
        QCOMPARE(media->error(), QMediaPlayer::NoError);
        // 40 frames at 10 a second: the clip runs 4 s, and goes on past its end.
        QCOMPARE(media->duration(), qint64(4000));
        QTRY_VERIFY_WITH_TIMEOUT(frames > 45, StartTimeoutMs);
        QCOMPARE(frameSize, QSize(21, 28));
        QVERIFY(playing(media));
    }

    void introShowsTheClip()
    {
        TestEnvironment env;
        Form1 main(env.environment);
        QVERIFY(main.Form_Load());
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        main.Command3_Click();
        QPointer<Form2> about = main.aboutWindow();
        QVERIFY(about);
        QVERIFY(QTest::qWaitForWindowExposed(about.data()));
        QWidget *player = about->player()->widget();
        QMediaPlayer *media = mediaPlayerOf(about->player());
        QVERIFY2(media, "the About window's player is not the plugin's media player");
        QTRY_VERIFY_WITH_TIMEOUT(playing(media), StartTimeoutMs);
        QVERIFY(!env.exit.code);

        QWidget *splash = about->findChild<QWidget *>(QStringLiteral("Image3"));
        QTest::mouseClick(splash, Qt::LeftButton, {}, splash->rect().center());
        QCOMPARE(player->geometry(), QRect(16, 133, 21, 28)); // 240, 2000 twips
        QTest::qWait(1500);
        QVERIFY(playing(media));

        const QPixmap screen = about->screen()->grabWindow(0);
        const QString shot = qEnvironmentVariable("MORVEX_SCREENSHOT");
        if (!shot.isEmpty())
            QVERIFY(screen.save(shot));
        // The clip's frame is on the screen where the player lies: its background colour
        // fills the player's top-left corner.
        const QPoint corner = player->mapToGlobal(QPoint(1, 1)) * screen.devicePixelRatio();
        const QRgb pixel = screen.toImage().pixel(corner);
        QVERIFY2(isClipBackground(pixel), qPrintable(QColor(pixel).name()));
    }
};

QTEST_MAIN(TestPlayer)
#include "tst_player.moc"
