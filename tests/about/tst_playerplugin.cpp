// How the About window gets its player where the program directory has no media player: the
// clip's still picture where the plugin is missing, damaged or not a player, with no message and
// the window going on. Headless. The build's own plugin is loaded by about_mediaplugin, in a
// process of its own, since the media framework it brings keeps threads until the process ends.

#include "about/clipplayer.h"
#include "about/clipplayermaker.h"
#include "about/form2.h"
#include "about/playerplugin.h"
#include "about/stillclipplayer.h"
#include "shell/form1.h"
#include "testwindow.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString ProgramDir = QStringLiteral(MORVEX_PROGRAM_DIR);

// The clip's background colour, as make_clip draws it.
bool isClipBackground(QRgb pixel)
{
    return qAbs(qRed(pixel) - 24) <= 8 && qAbs(qGreen(pixel) - 40) <= 8 && qAbs(qBlue(pixel) - 64) <= 8;
}

// A program directory with the build's base and clip, and in place of the player plugin what
// the test puts there.
struct ProgramDirectory
{
    QTemporaryDir dir;

    ProgramDirectory()
    {
        for (const QString &name : {QStringLiteral("base.mdb"), QStringLiteral("morvex.avi")})
            if (!QFile::copy(ProgramDir + name, dir.filePath(name)))
                qFatal("cannot copy %s", qPrintable(name));
    }
    QString path() const { return dir.path(); }
    // The place of the plugin, in a directory that is there.
    QString plugin() const
    {
        const QString file = PlayerPlugin::path(dir.path());
        QDir().mkpath(QFileInfo(file).path());
        return file;
    }
};

} // namespace

class TestPlayerPlugin : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void withoutAPlayerThePlaceShowsTheStill_data()
    {
        QTest::addColumn<QByteArray>("plugin");
        QTest::addColumn<QString>("copiedFrom");
        QTest::newRow("missing") << QByteArray() << QString();
        QTest::newRow("damaged") << QByteArray("\x7f" "ELF cut short", 13) << QString();
        QTest::newRow("empty") << QByteArray("") << QString();
        // A sound Qt plugin of another kind: loaded, but it makes no players.
        QTest::newRow("not a player") << QByteArray()
                                      << QLibraryInfo::path(QLibraryInfo::PluginsPath)
                                             + QStringLiteral("/sqldrivers/libqsqlite.so");
    }
    void withoutAPlayerThePlaceShowsTheStill()
    {
        QFETCH(QByteArray, plugin);
        QFETCH(QString, copiedFrom);
        ProgramDirectory program;
        if (!copiedFrom.isEmpty()) {
            QVERIFY2(QFile::copy(copiedFrom, program.plugin()), qPrintable(copiedFrom));
        } else if (!plugin.isNull()) {
            QFile file(program.plugin());
            QVERIFY(file.open(QIODevice::WriteOnly));
            QCOMPARE(file.write(plugin), plugin.size());
        }
        QVERIFY(!PlayerPlugin::maker(program.path()));

        QWidget window;
        ClipPlayer *player = ClipPlayer::create(&window, program.path());
        auto *still = dynamic_cast<StillClipPlayer *>(player);
        QVERIFY(still);
        QCOMPARE(still->parentWidget(), &window);
        // The clip's first frame, at the clip's size.
        QCOMPARE(still->picture().size(), QSize(21, 28));
        QVERIFY(isClipBackground(still->picture().toImage().pixel(0, 0)));
        QVERIFY(player->setFileName(program.dir.filePath(QStringLiteral("morvex.avi"))));
    }

    void aboutWindowGoesOnWithTheStill()
    {
        ProgramDirectory program;
        TestEnvironment env(program.path());
        Form1 main(env.environment);
        QVERIFY(main.Form_Load());
        main.show();
        main.Command3_Click();
        QPointer<Form2> about = main.aboutWindow();
        QVERIFY(about);
        QVERIFY(QTest::qWaitForWindowActive(about.data()));
        QVERIFY(dynamic_cast<StillClipPlayer *>(about->player()));
        QCOMPARE(about->player()->widget()->objectName(), QStringLiteral("MediaPlayer1"));

        // The presentation brings the still picture into the clip's place.
        QWidget *splash = about->findChild<QWidget *>(QStringLiteral("Image3"));
        QTest::mouseClick(splash, Qt::LeftButton, {}, splash->rect().center());
        QCOMPARE(about->player()->widget()->geometry(), QRect(16, 133, 21, 28)); // 240, 2000 twips
        QVERIFY(about->player()->widget()->isVisible());
        QTest::qWait(50);
        QVERIFY(about);
        QVERIFY(about->isVisible());
        QVERIFY(env.messages.shown.isEmpty());
        QVERIFY(!env.exit.code);
    }
};

QTEST_MAIN(TestPlayerPlugin)
#include "tst_playerplugin.moc"
