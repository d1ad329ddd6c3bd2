#include "about/form2.h"
#include "namedcontrol.h"
#include "programfixture.h"
#include "shell/form1.h"
#include "testwindow.h"
#include "ui/twips.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

class TestForm1 : public QObject
{
    Q_OBJECT

private:
    template<typename T> static T *find(const QWidget &w, const char *name)
    {
        return namedControl<T>(&w, name);
    }

    // A program directory with the built base and drawings but no media player plugin: the About
    // window shows the clip's still picture, and the media framework is never loaded here (its
    // threads would outlive the test; about_mediaplugin loads it in a process of its own).
    static void makeProgramWithoutPlayer(ProgramFixture &program)
    {
        program.copyBuiltBase();
        program.writePictures();
    }

private Q_SLOTS:
    void stateAfterStartup()
    {
        TestEnvironment env;
        Form1 w(env.environment);
        QVERIFY(w.Form_Load());
        const MainState &s = w.state();
        QCOMPARE(s.ProgramDir, QStringLiteral(MORVEX_PROGRAM_DIR));
        QCOMPARE(s.MassDivisor, int16_t(1));
        QCOMPARE(s.LengthDivisor, int16_t(1000));
        QCOMPARE(s.PrecisionFormat, QStringLiteral("0.0"));
        QCOMPARE(s.UnitMassDivisor, int16_t(1));
        QCOMPARE(s.CalcMode, int16_t(0));
        QCOMPARE(s.MassColumn, int16_t(0));
        QCOMPARE(s.UnitMass, 0.0f);
        QVERIFY(s.PictureFile.isEmpty());
        QVERIFY(env.messages.shown.isEmpty());
        QVERIFY(!env.exit.code);
    }

    void optionsAndVisibilityAfterStartup()
    {
        TestEnvironment env;
        Form1 w(env.environment);
        QVERIFY(w.Form_Load());
        w.show();
        // Kilograms, millimetres and one decimal, agreeing with the state.
        for (const char *name : {"Option1", "Option4", "Option7"})
            QVERIFY2(find<QRadioButton>(w, name)->isChecked(), name);
        for (const char *name : {"Option2", "Option3", "Option5", "Option6"})
            QVERIFY2(!find<QRadioButton>(w, name)->isChecked(), name);
        // The five product options: one group, "3мм" selected, all hidden.
        QVERIFY(find<QRadioButton>(w, "o8")->isChecked());
        for (const char *name : {"o8", "o9", "o10", "O6", "O7"})
            QVERIFY2(find<QWidget>(w, name)->isHidden(), name);
        find<QRadioButton>(w, "O6")->setChecked(true);
        QVERIFY(!find<QRadioButton>(w, "o8")->isChecked());
        // Only the rolled-products kind toolbar is shown.
        QVERIFY(find<QWidget>(w, "T1")->isVisible());
        QVERIFY(find<QWidget>(w, "T2")->isVisible());
        for (const char *name : {"T3", "T4", "T5"})
            QVERIFY2(find<QWidget>(w, name)->isHidden(), name);
        QCOMPARE(find<QGroupBox>(w, "Frame2")->title(), QStringLiteral("Данные"));
        QVERIFY(find<QWidget>(w, "DBGrid2")->isVisible());
        for (const char *name : {"Text2", "Text3", "Text4", "Text5", "Text6", "Text7"})
            QVERIFY2(find<QLineEdit>(w, name)->text().isEmpty(), name);
        QVERIFY(find<QWidget>(w, "Text14")->isHidden());
        QCOMPARE(find<QLineEdit>(w, "Text14")->text(), QStringLiteral("Text1"));
    }

    void geometryFollowsTheDesign_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("container");
        QTest::addColumn<QRect>("twips");
        QTest::newRow("Frame5") << "Frame5" << "Form1" << QRect(120, 0, 4455, 2475);
        QTest::newRow("Frame1") << "Frame1" << "Form1" << QRect(4620, 0, 2175, 2235);
        QTest::newRow("Label7") << "Label7" << "Form1" << QRect(4680, 2280, 2010, 180);
        QTest::newRow("Command3") << "Command3" << "Form1" << QRect(4620, 3180, 1395, 315);
        QTest::newRow("Frame2") << "Frame2" << "Form1" << QRect(120, 3540, 6675, 1935);
        QTest::newRow("Text3") << "Text3" << "Frame5" << QRect(1560, 600, 1215, 285);
        QTest::newRow("Text7") << "Text7" << "Frame5" << QRect(2040, 2100, 2295, 285);
        QTest::newRow("Frame22") << "Frame22" << "Frame5" << QRect(2870, 135, 1455, 510);
        QTest::newRow("Option3") << "Option3" << "Frame22" << QRect(990, 210, 360, 195);
        QTest::newRow("Option5") << "Option5" << "Frame3" << QRect(855, 210, 495, 195);
        QTest::newRow("T2") << "T2" << "Frame6" << QRect(120, 240, 4215, 660);
        QTest::newRow("O7") << "O7" << "Frame6" << QRect(3300, 660, 1035, 255);
        QTest::newRow("T1") << "T1" << "Frame4" << QRect(120, 240, 1815, 315);
        QTest::newRow("Image2") << "Image2" << "Frame1" << QRect(120, 300, 1935, 1815);
        QTest::newRow("DBGrid2") << "DBGrid2" << "Frame2" << QRect(120, 240, 6420, 1545);
    }
    void geometryFollowsTheDesign()
    {
        QFETCH(QString, name);
        QFETCH(QString, container);
        QFETCH(QRect, twips);
        TestEnvironment env;
        Form1 w(env.environment);
        const QWidget *control = find<QWidget>(w, name.toLatin1().constData());
        QCOMPARE(control->parentWidget()->objectName(), container);
        // 15 twips make one pixel.
        QCOMPARE(control->geometry(),
                 QRect(twips.x() / 15, twips.y() / 15, twips.width() / 15, twips.height() / 15));
    }

    void windowIsFixedSize()
    {
        TestEnvironment env;
        Form1 w(env.environment);
        QCOMPARE(w.size(), QSize(458, 369)); // 6870 x 5535 twips
        QCOMPARE(w.minimumSize(), w.maximumSize());
        QCOMPARE(w.windowTitle(), QStringLiteral("Morvex Steel Mass Calculator 2.0"));
        QVERIFY(!(w.windowFlags() & Qt::WindowMinMaxButtonsHint));
    }

    // The icons are read from their pixels in the resources; a picture that did not load would
    // leave a blank button.
    void windowAndCommandsHaveTheirIcons()
    {
        TestEnvironment env;
        Form1 w(env.environment);
        QVERIFY(!w.windowIcon().isNull());
        for (const char *name : {"Command1", "Command2", "Command4", "Command5"}) {
            const QIcon icon = find<QPushButton>(w, name)->icon();
            QVERIFY2(!icon.isNull(), name);
            QCOMPARE(icon.availableSizes(), QList<QSize>{QSize(16, 16)});
        }
    }

    void databaseThatCannotBeAttachedEndsTheProgram()
    {
        TestEnvironment env;
        env.environment.databaseDriver = QStringLiteral("NO_SUCH_DRIVER");
        Form1 w(env.environment);
        QVERIFY(!w.Form_Load());
        QCOMPARE(env.messages.shown.size(), 1);
        const UserMessages::Message m = env.messages.shown.first();
        QCOMPARE(m.text, QStringLiteral("Не могу подключить базу данных !"));
        QCOMPARE(m.title, QStringLiteral("Ошибка"));
        QCOMPARE(m.icon, UserMessages::Icon::Critical);
        QCOMPARE(m.buttons, UserMessages::Buttons::Ok);
        QCOMPARE(env.exit.code, std::optional<int>(1));
    }

    void aboutButtonOpensOneAboutWindow()
    {
        ProgramFixture program;
        makeProgramWithoutPlayer(program);
        TestEnvironment env(program.dir());
        Form1 w(env.environment);
        QVERIFY(w.Form_Load());
        w.show();
        w.Command3_Click();
        QPointer<Form2> first = w.aboutWindow();
        QVERIFY(first);
        const QString programDir = program.dir() + QLatin1Char('/');
        QCOMPARE(find<QLineEdit>(w, "Text14")->text(), programDir);
        find<QLineEdit>(w, "Text14")->setText(QStringLiteral("changed"));
        w.Command3_Click();
        QCOMPARE(w.aboutWindow(), first.data());
        QCOMPARE(find<QLineEdit>(w, "Text14")->text(), programDir);
    }

    void closingTheMainWindowClosesTheOthers()
    {
        ProgramFixture program;
        makeProgramWithoutPlayer(program);
        TestEnvironment env(program.dir());
        auto *w = new Form1(env.environment);
        QVERIFY(w->Form_Load());
        w->show();
        w->Command3_Click();
        QPointer<Form2> about = w->aboutWindow();
        QVERIFY(about && about->isVisible());
        w->close();
        QVERIFY(!about || !about->isVisible());
        delete w;
        QVERIFY(!about);
    }
};

QTEST_MAIN(TestForm1)
#include "tst_form1.moc"
