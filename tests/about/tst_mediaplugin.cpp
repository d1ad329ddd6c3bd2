// The About window's media player from the build's own plugin in the program directory. Run in
// a process of its own: the media framework the plugin brings (Qt Multimedia over GStreamer)
// starts threads of its own, a device monitor among them, that run until the process ends.

#include "about/clipplayer.h"
#include "about/clipplayermaker.h"
#include "about/form2.h"
#include "about/playerplugin.h"
#include "about/stillclipplayer.h"
#include "mappedfiles.h"
#include "shell/form1.h"
#include "testwindow.h"

#include <QPointer>
#include <QTest>
#include <QWidget>

namespace {

const QString ProgramDir = QStringLiteral(MORVEX_PROGRAM_DIR);

} // namespace

class TestMediaPlugin : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // First: nothing of the media framework is loaded before the About window opens.
    void openingTheAboutWindowLoadsThePlayer()
    {
        TestEnvironment env;
        Form1 main(env.environment);
        QVERIFY(main.Form_Load());
        main.show();
        for (const char *library : {"morvex_player", "libQt6Multimedia."})
            QVERIFY2(mappedFiles(QString::fromLatin1(library)).isEmpty(), library);
        main.Command3_Click();
        QPointer<Form2> about = main.aboutWindow();
        QVERIFY(about);
        for (const char *library : {"morvex_player", "libQt6Multimedia."})
            QVERIFY2(!mappedFiles(QString::fromLatin1(library)).isEmpty(), library);
        QVERIFY(about->player()->widget()->inherits("QVideoWidget"));
        QVERIFY(env.messages.shown.isEmpty());
        about->close();
    }

    void pluginOfTheBuildMakesTheMediaPlayer()
    {
        ClipPlayerMaker *maker = PlayerPlugin::maker(ProgramDir);
        QVERIFY2(maker, "the build's player plugin did not load");
        QWidget window;
        ClipPlayer *player = ClipPlayer::create(&window, ProgramDir);
        QVERIFY(!dynamic_cast<StillClipPlayer *>(player));
        QVERIFY(player->widget()->inherits("QVideoWidget"));
        QCOMPARE(player->widget()->parentWidget(), &window);
        // Loaded once: a second window's player comes from the same plugin.
        QCOMPARE(PlayerPlugin::maker(ProgramDir), maker);
    }
};

QTEST_MAIN(TestMediaPlugin)
#include "tst_mediaplugin.moc"
