// The About window over the main window, headless, with a player that only records.

#include "about/form2.h"
#include "about/stillclipplayer.h"
#include "namedcontrol.h"
#include "recordingplayer.h"
#include "shell/form1.h"
#include "testwindow.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

constexpr char ProgramDir[] = MORVEX_PROGRAM_DIR;

QString expectedNotice()
{
    return QString(QStringLiteral(" .")).repeated(44) + QStringLiteral(" ")
           + QStringLiteral("В с е  з а я в к и, з а м е ч а н и я, п о ж е л а н и я  н а п р а в л я й т е  "
                            "н а  э л е к т р о н н ы й  а д р е с  ")
           + QStringLiteral("info@m.example") + QString(QStringLiteral(". ")).repeated(48) + QStringLiteral(".");
}

RecordingPlayer *playerOf(const Form2 *about)
{
    return static_cast<RecordingPlayer *>(about->player());
}

// A program directory of the test's own: the reference base of the build beside the clip
// the test puts there.
struct ProgramDirectory
{
    QTemporaryDir dir;
    ProgramDirectory()
    {
        QVERIFY(QFile::copy(QString::fromUtf8(ProgramDir) + QStringLiteral("base.mdb"), dir.filePath(QStringLiteral("base.mdb"))));
    }
    QString path() const { return dir.path() + QLatin1Char('/'); }
    QString clip() const { return dir.filePath(QStringLiteral("morvex.avi")); }
};

// Opens the About window and lets it become active.
QPointer<Form2> openAbout(Form1 &main)
{
    main.Command3_Click();
    QPointer<Form2> about = main.aboutWindow();
    if (about && !QTest::qWaitForWindowActive(about.data()))
        qWarning("the About window did not become active");
    return about;
}

void click(QWidget *target, QPoint at = {})
{
    QTest::mouseClick(target, Qt::LeftButton, {}, at.isNull() ? target->rect().center() : at);
}

} // namespace

class TestForm2 : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        RecordingPlayer::install();
    }

    // A clip that is missing, cannot be read or has the wrong length is a missing decoration:
    // the window opens all the same, at every opening, with the clip's still picture in the
    // player's place; no message, and the program goes on.
    void unusableClipOpensTheWindowWithoutIt_data()
    {
        QTest::addColumn<QString>("clip");
        QTest::newRow("no file") << u"none"_s;
        QTest::newRow("a directory in its place") << u"directory"_s;
        QTest::newRow("a FIFO in its place") << u"fifo"_s;
        QTest::newRow("no permission to read") << u"unreadable"_s;
        QTest::newRow("one byte short") << u"85503"_s;
        QTest::newRow("one byte long") << u"85505"_s;
        QTest::newRow("empty") << u"0"_s;
        QTest::newRow("the right clip that the player refuses") << u"refused"_s;
    }
    void unusableClipOpensTheWindowWithoutIt()
    {
        QFETCH(QString, clip);
        ProgramDirectory program;
        if (clip == QLatin1String("directory")) {
            QVERIFY(QDir(program.path()).mkdir(QStringLiteral("morvex.avi")));
        } else if (clip == QLatin1String("fifo")) {
            QCOMPARE(::mkfifo(QFile::encodeName(program.clip()).constData(), 0600), 0);
        } else if (clip == QLatin1String("refused")) {
            QVERIFY(QFile::copy(QString::fromUtf8(ProgramDir) + QStringLiteral("morvex.avi"), program.clip()));
            RecordingPlayer::install(false);
        } else if (clip != QLatin1String("none")) {
            if (clip == QLatin1String("unreadable") && ::geteuid() == 0)
                QSKIP("the superuser reads files without read permission");
            const qsizetype length = clip == QLatin1String("unreadable") ? 85504 : clip.toLongLong();
            QFile file(program.clip());
            QVERIFY(file.open(QIODevice::WriteOnly));
            QCOMPARE(file.write(QByteArray(length, 'x')), qint64(length));
            file.close();
            if (clip == QLatin1String("unreadable"))
                QVERIFY(QFile::setPermissions(program.clip(), QFile::WriteOwner));
        }

        const auto acceptingPlayer = qScopeGuard([] { RecordingPlayer::install(); });
        TestEnvironment env(program.path());
        Form1 main(env.environment);
        QVERIFY(main.Form_Load());
        main.show();
        for (int opening = 0; opening < 2; ++opening) {
            QPointer<Form2> about = openAbout(main);
            QVERIFY(about);
            QTest::qWait(50);
            QVERIFY(about && about->isVisible());
            // The still picture in the player's place, the player given no file.
            const auto *still = qobject_cast<StillClipPlayer *>(namedControl(about, "MediaPlayer1"));
            QVERIFY(still);
            QCOMPARE(about->player()->widget(), still);
            QVERIFY(!still->picture().isNull());
            // The presentation goes on, the still where the clip would play.
            click(namedControl(about, "Image3"));
            QVERIFY(namedControl(about, "Image1")->isVisible() && namedControl(about, "Image2")->isVisible());
            QVERIFY(still->isVisible());
            QCOMPARE(still->geometry(), QRect(16, 133, 21, 28)); // 240, 2000, 315, 420 twips
            about->close();
            QTRY_VERIFY(!about);
        }
        QVERIFY(!env.exit.code);
        QVERIFY(env.messages.shown.isEmpty());
        QVERIFY(main.isVisible());
    }

    void clipIsGivenToThePlayerAtEveryActivation()
    {
        TestEnvironment env;
        Form1 main(env.environment);
        QVERIFY(main.Form_Load());
        main.show();
        QPointer<Form2> about = openAbout(main);
        QVERIFY(about);
        const QString clip = QString::fromUtf8(ProgramDir) + QStringLiteral("morvex.avi");
        QTRY_COMPARE(playerOf(about)->files, QStringList{clip});
        // Back to the main window and again to the About window.
        main.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&main));
        about->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(about.data()));
        QTRY_COMPARE(playerOf(about)->files, (QStringList{clip, clip}));
        QVERIFY(!env.exit.code);
    }

    void comingBackFromAnotherProgram_data()
    {
        QTest::addColumn<bool>("throughTheMainWindow");
        QTest::addColumn<int>("files");
        // Only a change of the program's own active window is an activation.
        QTest::newRow("straight back to the About window: no activation") << false << 1;
        QTest::newRow("back through the main window: activated again") << true << 2;
    }
    void comingBackFromAnotherProgram()
    {
        QFETCH(bool, throughTheMainWindow);
        TestEnvironment env;
        Form1 main(env.environment);
        QVERIFY(main.Form_Load());
        main.show();
        QPointer<Form2> about = openAbout(main);
        QVERIFY(about);
        QTRY_COMPARE(playerOf(about)->files.size(), 1);
        // Another program becomes active: none of this program's windows is.
        QApplication::setActiveWindow(nullptr);
        QTRY_VERIFY(!QApplication::activeWindow());
        if (throughTheMainWindow) {
            QApplication::setActiveWindow(&main);
            QTRY_COMPARE(QApplication::activeWindow(), &main);
        }
        QApplication::setActiveWindow(about);
        QTRY_COMPARE(QApplication::activeWindow(), about.data());
        QTest::qWait(20);
        QTEST(int(playerOf(about)->files.size()), "files");
        QVERIFY(!env.exit.code);
    }

    // Esc closes the window at any stage of the presentation; other keys do nothing.
    void keys_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("splashClicked");
        QTest::addColumn<bool>("closes");
        QTest::newRow("Esc on the splash") << int(Qt::Key_Escape) << false << true;
        QTest::newRow("Esc during the intro") << int(Qt::Key_Escape) << true << true;
        QTest::newRow("space does nothing") << int(Qt::Key_Space) << true << false;
        QTest::newRow("Enter does nothing") << int(Qt::Key_Return) << false << false;
    }
    void keys()
    {
        QFETCH(int, key);
        QFETCH(bool, splashClicked);
        QFETCH(bool, closes);
        TestEnvironment env;
        Form1 main(env.environment);
        QVERIFY(main.Form_Load());
        main.show();
        QPointer<Form2> about = openAbout(main);
        QVERIFY(about);
        if (splashClicked)
            click(namedControl(about, "Image3"));
        QTest::keyClick(about.data(), Qt::Key(key));
        if (closes) {
            QTRY_VERIFY(!about);
        } else {
            QTest::qWait(20);
            QVERIFY(about && about->isVisible());
            QCOMPARE(namedControl(about, "Image3")->isVisible(), !splashClicked);
        }
        QVERIFY(main.isVisible());
        QVERIFY(!env.exit.code);
    }

    void opensCentredOverTheMainWindowByTheOuterSizes()
    {
        TestEnvironment env;
        Form1 main(env.environment);
        QVERIFY(main.Form_Load());
        main.move(100, 80);
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        QPointer<Form2> about = openAbout(main);
        QVERIFY(about);
        QVERIFY(QTest::qWaitForWindowExposed(about.data()));
        const QRect outer = main.frameGeometry();
        const QRect own = about->frameGeometry();
        QVERIFY(own.size() != about->size()); // the window has a frame of its own
        // As much of the main window shows left as right of it, and above as below, to a
        // pixel for an odd difference.
        const int leftGap = own.left() - outer.left();
        const int rightGap = outer.right() - own.right();
        const int topGap = own.top() - outer.top();
        const int bottomGap = outer.bottom() - own.bottom();
        QVERIFY2(qAbs(leftGap - rightGap) <= 1, qPrintable(QStringLiteral("%1 %2").arg(leftGap).arg(rightGap)));
        QVERIFY2(qAbs(topGap - bottomGap) <= 1, qPrintable(QStringLiteral("%1 %2").arg(topGap).arg(bottomGap)));
    }

    void reopeningShowsTheSplashWithTheFullNotice()
    {
        TestEnvironment env;
        Form1 main(env.environment);
        QVERIFY(main.Form_Load());
        main.show();
        QPointer<Form2> about = openAbout(main);
        QVERIFY(about);
        QVERIFY(namedControl<QLabel>(about, "Label6")->text().isEmpty());
        // The intro and the beginning of the wipe, then close.
        click(namedControl(about, "Image3"));
        QTRY_VERIFY(!namedControl<QLabel>(about, "Label6")->text().isEmpty());
        click(namedControl(about, "Label5(0)"));
        QCOMPARE(namedControl<QLabel>(about, "Label5(0)")->text(), QStringLiteral("Help..."));
        about->close();
        QTRY_VERIFY(!about);

        about = openAbout(main);
        QVERIFY(about);
        QVERIFY(namedControl(about, "Image3")->isVisible());
        for (const char *name : {"Label5(0)", "Label5(1)", "Label5(2)"})
            QCOMPARE(namedControl<QLabel>(about, name)->text(), QStringLiteral("About..."));
        QVERIFY(namedControl<QLabel>(about, "Label6")->text().isEmpty());
        QCOMPARE(about->presentation().TickerText, expectedNotice());
        for (const char *name : {"Timer1", "Timer2", "Timer3", "Timer4"})
            QVERIFY2(!namedControl<QTimer>(about, name)->isActive(), name);
        QVERIFY(namedControl(about, "Image1")->isVisible());
        QVERIFY(namedControl(about, "Image2")->isVisible());
        QVERIFY(!namedControl(about, "Label7")->isVisible());
        // The ticker starts over with the notice's first 70 characters.
        click(namedControl(about, "Image3"));
        QTRY_VERIFY(!namedControl<QLabel>(about, "Label6")->text().isEmpty());
        QCOMPARE(namedControl<QLabel>(about, "Label6")->text(), QString(QStringLiteral(" .")).repeated(35));
    }

    void doubleClickIsOneClick_data()
    {
        QTest::addColumn<QByteArray>("target");
        QTest::addColumn<QPoint>("at");
        // The second press of a double click is a double-click event, not a further click.
        QTest::newRow("on the caption") << QByteArray("Label5(0)") << QPoint();
        QTest::newRow("on the form background") << QByteArray("Form2") << QPoint(3, 100);
        QTest::newRow("on the left picture") << QByteArray("Image1") << QPoint();
    }
    void doubleClickIsOneClick()
    {
        QFETCH(QByteArray, target);
        QFETCH(QPoint, at);
        TestEnvironment env;
        Form1 main(env.environment);
        QVERIFY(main.Form_Load());
        main.show();
        QPointer<Form2> about = openAbout(main);
        QVERIFY(about);
        click(namedControl(about, "Image3"));
        QWidget *widget = target == "Form2" ? about.data() : namedControl(about, target.constData());
        const QPoint where = at.isNull() ? widget->rect().center() : at;
        // Press and release, then the second press as the window system reports it, and its release.
        QTest::mouseClick(widget, Qt::LeftButton, {}, where);
        QTest::mouseDClick(widget, Qt::LeftButton, {}, where);
        QTest::mouseRelease(widget, Qt::LeftButton, {}, where);
        for (const char *name : {"Label5(0)", "Label5(1)", "Label5(2)"})
            QCOMPARE(namedControl<QLabel>(about, name)->text(), QStringLiteral("Help..."));
        QVERIFY(namedControl<QTimer>(about, "Timer2")->isActive());
    }

    void clicksOnceTheTextIsShown_data()
    {
        QTest::addColumn<QByteArray>("target");
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<bool>("closes");
        QTest::newRow("form background closes") << QByteArray("Form2") << QPoint(3, 100) << true;
        QTest::newRow("caption closes") << QByteArray("Label5(0)") << QPoint() << true;
        QTest::newRow("shadow of the caption closes") << QByteArray("Label5(1)") << QPoint(2, 2) << true;
        QTest::newRow("information text closes") << QByteArray("Label7") << QPoint() << true;
        QTest::newRow("notice line does nothing") << QByteArray("Label6") << QPoint() << false;
        QTest::newRow("upper dotted line does nothing") << QByteArray("Label8") << QPoint() << false;
        QTest::newRow("lower dotted line does nothing") << QByteArray("Label9") << QPoint() << false;
    }
    void clicksOnceTheTextIsShown()
    {
        QFETCH(QByteArray, target);
        QFETCH(QPoint, at);
        QFETCH(bool, closes);
        TestEnvironment env;
        Form1 main(env.environment);
        QVERIFY(main.Form_Load());
        main.show();
        QPointer<Form2> about = openAbout(main);
        QVERIFY(about);
        click(namedControl(about, "Image3"));
        click(namedControl(about, "Label5(0)"));
        // The wipe and the reveal take twenty ticks of 25 ms.
        QTRY_VERIFY(namedControl(about, "Label7")->isVisible() && !namedControl<QTimer>(about, "Timer2")->isActive());
        QVERIFY(!namedControl(about, "Image1")->isVisible());
        QVERIFY(!namedControl(about, "Image2")->isVisible());
        QVERIFY(!namedControl(about, "MediaPlayer1")->isVisible());

        QWidget *widget = target == "Form2" ? about.data() : namedControl(about, target.constData());
        click(widget, at);
        if (closes) {
            QTRY_VERIFY(!about);
        } else {
            QTest::qWait(50);
            QVERIFY(about && about->isVisible());
        }
        QVERIFY(main.isVisible());
    }

    void literalThatCannotBeRebuiltShowsTheMessage_data()
    {
        QTest::addColumn<QString>("literal");
        QTest::addColumn<bool>("message");
        QTest::addColumn<QString>("label1");
        QTest::newRow("the stored literal")
            << Form2::storedLiteral() << false
            << QStringLiteral("Сортамент 1.0Версия 2.0. Морвекс: калькулятор массы проката и арматуры ©");
        // я is 255 in Windows-1251: 255 + 1 lies outside 0..255.
        QTest::newRow("a code past 255") << QString(59, QChar(u'я')) << true << QStringLiteral("Сортамент 1.0");
    }
    void literalThatCannotBeRebuiltShowsTheMessage()
    {
        QFETCH(QString, literal);
        QFETCH(bool, message);
        QCOMPARE(Form2::storedLiteral().size(), 59);
        TestEnvironment env;
        Form1 main(env.environment);
        QVERIFY(main.Form_Load());
        Form2 about(&main, literal);
        about.setAttribute(Qt::WA_DeleteOnClose, false);
        if (message) {
            QCOMPARE(env.messages.shown.size(), 1);
            const UserMessages::Message m = env.messages.shown.first();
            QCOMPARE(m.text, QStringLiteral("Ошибка при выполнении операции !"));
            QCOMPARE(m.title, QStringLiteral("О программе"));
            QCOMPARE(m.icon, UserMessages::Icon::Critical);
            QCOMPARE(m.buttons, UserMessages::Buttons::Ok);
        } else {
            QVERIFY(env.messages.shown.isEmpty());
        }
        QTEST(namedControl<QLabel>(&about, "Label1")->text(), "label1");
        QVERIFY(namedControl(&about, "Label1")->isHidden());
        // The window opens normally.
        about.show();
        QVERIFY(namedControl(&about, "Image3")->isVisible());
    }

    void layoutFollowsTheDesign_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<QRect>("twips");
        QTest::addColumn<bool>("visible");
        QTest::newRow("MediaPlayer1") << QByteArray("MediaPlayer1") << QRect(240, 4000, 315, 420) << true;
        QTest::newRow("Image3") << QByteArray("Image3") << QRect(0, 0, 4695, 3255) << true;
        QTest::newRow("Label9") << QByteArray("Label9") << QRect(250, 1700, 4095, 255) << false;
        QTest::newRow("Label8") << QByteArray("Label8") << QRect(250, 50, 4095, 255) << false;
        QTest::newRow("Label7") << QByteArray("Label7") << QRect(1080, 1980, 615, 255) << false;
        QTest::newRow("Label6") << QByteArray("Label6") << QRect(300, 2820, 4095, 255) << true;
        QTest::newRow("Image2") << QByteArray("Image2") << QRect(2160, 240, 2235, 2580) << true;
        QTest::newRow("Image1") << QByteArray("Image1") << QRect(240, 795, 1770, 1035) << true;
        QTest::newRow("Shape1") << QByteArray("Shape1") << QRect(120, 120, 4395, 3015) << true;
        QTest::newRow("Label5(2)") << QByteArray("Label5(2)") << QRect(2580, 1440, 1812, 792) << false;
        QTest::newRow("Label5(1)") << QByteArray("Label5(1)") << QRect(2280, 1500, 1812, 792) << false;
        QTest::newRow("Label5(0)") << QByteArray("Label5(0)") << QRect(240, 180, 1770, 555) << false;
        QTest::newRow("Label1") << QByteArray("Label1") << QRect(2220, 420, 2100, 2265) << false;
    }
    void layoutFollowsTheDesign()
    {
        QFETCH(QByteArray, name);
        QFETCH(QRect, twips);
        TestEnvironment env;
        Form1 main(env.environment);
        QVERIFY(main.Form_Load());
        Form2 about(&main, Form2::storedLiteral());
        about.setAttribute(Qt::WA_DeleteOnClose, false);
        about.show();
        QCOMPARE(about.size(), QSize(310, 217)); // 4650 x 3255 twips
        QCOMPARE(about.windowTitle(), QStringLiteral("О программе / Помощь"));
        const QWidget *widget = namedControl(&about, name.constData());
        QCOMPARE(widget->parentWidget(), &about);
        // 15 twips make one pixel, to the nearest pixel.
        const auto px = [](int t) { return int(std::lround(t / 15.0)); };
        QCOMPARE(widget->geometry(), QRect(px(twips.x()), px(twips.y()), px(twips.width()), px(twips.height())));
        QTEST(widget->isVisible(), "visible");
    }

    void stackingFollowsTheTable()
    {
        TestEnvironment env;
        Form1 main(env.environment);
        QVERIFY(main.Form_Load());
        Form2 about(&main, Form2::storedLiteral());
        about.setAttribute(Qt::WA_DeleteOnClose, false);
        // Children are painted back to front: the table's last control comes first.
        QStringList backToFront;
        for (QObject *child : about.children())
            if (child->isWidgetType())
                backToFront.prepend(child->objectName());
        QCOMPARE(backToFront, (QStringList{QStringLiteral("MediaPlayer1"), QStringLiteral("Image3"),
                                           QStringLiteral("Label9"), QStringLiteral("Label8"),
                                           QStringLiteral("Label7"), QStringLiteral("Label6"),
                                           QStringLiteral("Image2"), QStringLiteral("Image1"),
                                           QStringLiteral("Shape1"), QStringLiteral("Label5(2)"),
                                           QStringLiteral("Label5(1)"), QStringLiteral("Label5(0)"),
                                           QStringLiteral("Label1")}));
    }
};

QTEST_MAIN(TestForm2)
#include "tst_form2.moc"
