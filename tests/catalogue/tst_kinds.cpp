// Groups, kinds, the picture panel and the enlarged picture, through the real window.

#include "../calc/calculatorwindow.h"
#include "contextmenu.h"
#include "../calc/fixturetables.h"
#include "catalogue/datasource.h"
#include "catalogue/picturebox.h"

#include <QAction>
#include <QApplication>
#include <QHeaderView>
#include <QTest>
#include <QTimer>

#include <algorithm>

namespace {

QString inputStates(const CalculatorWindow &w)
{
    QString states;
    for (const char *name : {"Text2", "Text3", "Text5", "Text4"})
        states += w.get(name)->isEnabled() ? QLatin1Char('Y') : QLatin1Char('N');
    for (const char *name : {"Label6", "Label3", "Label2", "Label5"})
        states += w.get(name)->isEnabled() ? QLatin1Char('Y') : QLatin1Char('N');
    return states;
}

QString shownOptions(const CalculatorWindow &w)
{
    QStringList shown;
    for (const char *name : {"o8", "o9", "o10", "O6", "O7"})
        if (!w.get(name)->isHidden())
            shown.append(QString::fromLatin1(name));
    return shown.join(QLatin1Char(' '));
}

} // namespace

class TestKinds : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia)); }

    void groupPress()
    {
        CalculatorWindow w(FixtureTables::all());
        w.choose(3, 4); // woven mesh: cell-shape options shown
        w.type("Text4", QStringLiteral("2"));
        const QString result = w.text("Text7");
        const MainState before = w.state();
        // Row 0, rhombic cells: 4.2 kg/m² × 2 m².
        QCOMPARE(result, QStringLiteral("8,4"));
        QCOMPARE(before.PictureFile, QStringLiteral("s1.jpg"));
        QCOMPARE(before.MassColumn, int16_t(3));
        w.press(1, 3);
        for (int t = 2; t <= 5; ++t) {
            auto *bar = w.get<KindToolbar>(qPrintable(QStringLiteral("T%1").arg(t)));
            QCOMPARE(bar->isHidden(), t != 4);
            QCOMPARE(bar->y(), t == 4 ? 16 : 160); // Top 240 or 2400 twips
            for (int b = 1; b <= bar->count(); ++b)
                QVERIFY(!bar->isPressed(b));
        }
        QVERIFY(w.get("DBGrid2")->isHidden());
        QCOMPARE(w.get<QGroupBox>("Frame2")->title(), QString());
        QCOMPARE(shownOptions(w), QString());
        // Nothing else changes.
        QCOMPARE(w.text("Text7"), result);
        QCOMPARE(w.state().PictureFile, before.PictureFile);
        QCOMPARE(w.state().MassColumn, before.MassColumn);
        QCOMPARE(w.window->dataSource()->RecordSource(), QStringLiteral("Сетка плетеная"));
        QCOMPARE(inputStates(w), QStringLiteral("NNNYNNNY"));
    }

    void groupPressOfTheShownGroupReleasesItsButton()
    {
        CalculatorWindow w(FixtureTables::all());
        w.choose(2, 10);
        QVERIFY(w.get<KindToolbar>("T2")->isPressed(10));
        w.press(1, 1);
        QVERIFY(!w.get("T2")->isHidden());
        QVERIFY(!w.get<KindToolbar>("T2")->isPressed(10));
        QVERIFY(w.get("DBGrid2")->isHidden());
        QCOMPARE(w.state().PictureFile, QStringLiteral("ugol2.jpg"));
    }

    void toolbarsHaveTheirButtons_data()
    {
        QTest::addColumn<int>("toolbar");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("button");
        QTest::addColumn<QString>("toolTip");
        QTest::newRow("groups") << 1 << 4 << 2 << "Арматура и сетка";
        QTest::newRow("rolled products, the seamless pipes") << 2 << 15 << 15 << "Труба бесшовная";
        QTest::newRow("reinforcement") << 3 << 6 << 3 << "Арматура А-I";
        QTest::newRow("fasteners") << 4 << 8 << 8 << "Болт шестигранный (класс точности В)";
        QTest::newRow("sheet") << 5 << 2 << 1 << "Рифленка";
    }
    void toolbarsHaveTheirButtons()
    {
        QFETCH(int, toolbar);
        QFETCH(int, count);
        QFETCH(int, button);
        QFETCH(QString, toolTip);
        CalculatorWindow w(FixtureTables::all());
        auto *bar = w.get<KindToolbar>(qPrintable(QStringLiteral("T%1").arg(toolbar)));
        QCOMPARE(bar->count(), count);
        QCOMPARE(bar->button(button)->toolTip(), toolTip);
        QVERIFY(!bar->button(button)->icon().isNull());
        // Every button lies inside its toolbar (T2's fifteen in two rows).
        for (int b = 1; b <= count; ++b)
            QVERIFY(bar->rect().contains(bar->button(b)->geometry()));
    }

    void kindPress_data()
    {
        QTest::addColumn<int>("toolbar");
        QTest::addColumn<int>("button");
        QTest::addColumn<bool>("stainless");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("picture");
        QTest::addColumn<QString>("recordSource");
        QTest::addColumn<int>("columnWidth");
        QTest::addColumn<QString>("inputs");
        QTest::addColumn<QString>("options");
        QTest::addColumn<QList<int>>("calc"); // CalcMode, MassColumn, UnitMassDivisor
        QTest::newRow("sheet piles") << 2 << 1 << false << "Шпунт Ларсена" << "spunt.jpg" << "шпунт"
                                     << 1500 << "NYYNNYYN" << "" << QList<int>{0, 5, 1};
        QTest::newRow("round bars") << 2 << 3 << false
                                    << "Прокат стальной горячекатаный круглый по ГОСТ 2590-2006"
                                    << "krug.jpg"
                                    << "select [Диаметр, мм], [Масса 1м, кГ] from [Прокат круглый] order by index"
                                    << 1300 << "NYYNNYYN" << "" << QList<int>{0, 1, 1};
        QTest::newRow("pipes, No") << 2 << 13 << false
                                   << "Трубы стальные электросварные прямошовные ГОСТ 10704-91"
                                   << "morvex.jpg" << "трубы" << 2200 << "NYYNNYYN" << ""
                                   << QList<int>{0, 2, 1};
        QTest::newRow("pipes, Yes") << 2 << 13 << true
                                    << "Трубы электросварные из коррозийно-стойкой стали ГОСТ 11068-81"
                                    << "morvex.jpg" << "трубы из нерж" << 2500 << "NYYNNYYN" << ""
                                    << QList<int>{0, -2, 1};
        QTest::newRow("general wire") << 3 << 1 << false << "Проволока общего назначения по ГОСТ 3282-74"
                                      << "morvex.jpg" << "Провол" << 3000 << "NYYNNYYN" << ""
                                      << QList<int>{0, -3, 1};
        QTest::newRow("rebar class A-I") << 3 << 3 << false << "Арматура класса А-I (А240) ГОСТ 5781-82"
                                         << "arma1.jpg" << "арматура" << 2600 << "NYYNNYYN" << ""
                                         << QList<int>{0, 2, 1};
        QTest::newRow("woven mesh") << 3 << 4 << false << "Сетки стальные плетеные и тканые" << "s1.jpg"
                                    << "Сетка плетеная" << 2000 << "NNNYNNNY" << "O6 O7"
                                    << QList<int>{2, 3, 1};
        QTest::newRow("welded mesh") << 3 << 5 << false << "Сетки сварные" << "ss1.jpg" << "Сетка сварная"
                                     << 1500 << "NNNYNNNY" << "" << QList<int>{2, -4, 1};
        QTest::newRow("nuts") << 4 << 1 << false
                              << "Гайки шестигранные класса точности В (нормальной)  ГОСТ 5915-70"
                              << "gay.jpg" << "Гайки В" << 1500 << "NNYNNNYN" << ""
                              << QList<int>{1, 1, 1000};
        QTest::newRow("bolts") << 4 << 8 << false
                               << "Болты с шестигранной головкой класса точности В  ГОСТ 7798-70"
                               << "bolt.jpg"
                               << "select * from [Болты В] order by [Диаметр резьбы, мм], [Длина болта, мм]"
                               << 1800 << "NNYNNNYN" << "" << QList<int>{1, 2, 1000};
        QTest::newRow("ribbed sheet") << 5 << 1 << false << "Лист с рифлением ГОСТ 8568-77" << "r1.jpg"
                                      << "лист рифленный" << 1500 << "YYYNYYYN" << ""
                                      << QList<int>{4, 4, 1};
        QTest::newRow("smooth sheet") << 5 << 2 << false << "Сталь листовая горячекатанная" << "morvex.jpg"
                                      << "select [Толщина а, мм], [МАХ ширина листа b, мм], [МАХ длина листа, мм], ГОСТ from [лист гладкий] order by index"
                                      << 1500 << "YYYNYYYN" << "" << QList<int>{3, 0, 1};
    }
    void kindPress()
    {
        QFETCH(int, toolbar);
        QFETCH(int, button);
        QFETCH(bool, stainless);
        QFETCH(QString, title);
        QFETCH(QString, picture);
        QFETCH(QString, recordSource);
        QFETCH(int, columnWidth);
        QFETCH(QString, inputs);
        QFETCH(QString, options);
        QFETCH(QList<int>, calc);
        CalculatorWindow w(FixtureTables::all());
        w.env->messages.answers = {stainless ? UserMessages::Answer::Yes : UserMessages::Answer::No};
        w.choose(toolbar, button);
        QVERIFY(!w.env->exit.code);
        QCOMPARE(w.get<QGroupBox>("Frame2")->title(), title);
        QCOMPARE(w.state().PictureFile, picture);
        QCOMPARE(w.window->dataSource()->RecordSource(), recordSource);
        QCOMPARE(w.get<QTableView>("DBGrid2")->horizontalHeader()->defaultSectionSize(), qRound(columnWidth / 15.0));
        QCOMPARE(inputStates(w), inputs);
        QCOMPARE(shownOptions(w), options);
        QCOMPARE(QList<int>({w.state().CalcMode, w.state().MassColumn, w.state().UnitMassDivisor}), calc);
        QVERIFY(!w.get("DBGrid2")->isHidden());
        QCOMPARE(w.window->CurrentRowPosition(), 0);
        QVERIFY(!w.get("Image2")->isHidden());
    }

    void pipeQuestion()
    {
        CalculatorWindow w(FixtureTables::all());
        w.env->messages.answers = {UserMessages::Answer::No, UserMessages::Answer::Yes};
        w.press(2, 13);
        QCOMPARE(w.env->messages.shown.size(), 1);
        const UserMessages::Message q = w.env->messages.shown.first();
        QCOMPARE(q.text, QStringLiteral("Открыть трубы из нержавейки ?"));
        QCOMPARE(q.title, QStringLiteral("Открытие файла"));
        QCOMPARE(q.icon, UserMessages::Icon::Question);
        QCOMPARE(q.buttons, UserMessages::Buttons::YesNo);
        // Pressing the pressed button again repeats the whole selection, question included.
        w.press(2, 13);
        QCOMPARE(w.env->messages.shown.size(), 2);
        QCOMPARE(w.window->dataSource()->RecordSource(), QStringLiteral("трубы из нерж"));
    }

    // "Арматура А-I" is a kind of its own: after another reinforcement kind it replaces that
    // kind's title, drawing, table and state, and computes with the bar's mass of 1 m.
    void rebarAIReplacesThePreviousKind()
    {
        CalculatorWindow w(FixtureTables::all());
        w.choose(3, 4); // woven mesh first: mesh inputs, cell shapes, its own table
        w.type("Text3", QStringLiteral("6000"));
        w.type("Text5", QStringLiteral("1"));
        w.press(3, 3);
        QVERIFY(w.get<KindToolbar>("T3")->isPressed(3));
        QCOMPARE(inputStates(w), QStringLiteral("NYYNNYYN"));
        QCOMPARE(shownOptions(w), QString());
        QCOMPARE(w.get<QGroupBox>("Frame2")->title(), QStringLiteral("Арматура класса А-I (А240) ГОСТ 5781-82"));
        QCOMPARE(w.state().PictureFile, QStringLiteral("arma1.jpg"));
        QCOMPARE(w.window->dataSource()->RecordSource(), QStringLiteral("арматура"));
        QCOMPARE(w.state().MassColumn, int16_t(2));
        QCOMPARE(w.state().CalcMode, int16_t(0));
        QCOMPARE(w.text("Text6"), QStringLiteral("3,7")); // 0.617 kg/m × 6 m
    }

    // The features beyond the calculator read the chosen kind from the window.
    void currentKindFollowsThePresses()
    {
        CalculatorWindow w(FixtureTables::all());
        QVERIFY(!w.window->currentKind());
        w.press(2, 10);
        QVERIFY(w.window->currentKind());
        QCOMPARE(QString::fromUtf8(w.window->currentKind()->recordSource), QStringLiteral("уголок"));
        w.env->messages.answers = {UserMessages::Answer::Yes};
        w.press(2, 13);
        QCOMPARE(w.window->currentKind()->massColumn, int16_t(-2)); // the answer picks the row
        w.press(1, 1);
        QVERIFY(!w.window->currentKind());
        w.choose(3, 4);
        QCOMPARE(w.window->currentKind()->toolbar, 3);
        w.press(3, 3); // "Арматура А-I"
        QVERIFY(w.window->currentKind());
        QCOMPARE(w.window->currentKind()->button, 3);
        QCOMPARE(QString::fromUtf8(w.window->currentKind()->recordSource), QStringLiteral("арматура"));
    }

    // A kind chosen through the session by its identity, as a window without toolbar buttons
    // chooses it: the window shows it as after its button's press, and no kind button stays
    // down, as after a group press.
    void kindChosenWithoutItsButton()
    {
        CalculatorWindow w(FixtureTables::all());
        w.choose(2, 10);
        QVERIFY(w.get<KindToolbar>("T2")->isPressed(10));
        w.window->session().chooseKind(QStringLiteral("channel"));
        for (int button = 1; button <= w.get<KindToolbar>("T2")->count(); ++button)
            QVERIFY2(!w.get<KindToolbar>("T2")->isPressed(button), qPrintable(QString::number(button)));
        QCOMPARE(w.get<QGroupBox>("Frame2")->title(), QStringLiteral("Швеллер ГОСТ 8240-97"));
        QCOMPARE(w.window->dataSource()->RecordSource(), QStringLiteral("швеллер"));
        QVERIFY(!w.get("DBGrid2")->isHidden());
        QCOMPARE(w.window->CurrentRowPosition(), 0);
        QCOMPARE(w.state().PictureFile, QStringLiteral("sh1.jpg"));
        w.type("Text3", QStringLiteral("1000"));
        w.type("Text5", QStringLiteral("2"));
        QCOMPARE(w.text("Text7"), QStringLiteral("36,8")); // 18.4 kg/m, 1 m, 2 pieces
        // The button pressed again brings the button's own kind back, down.
        w.press(2, 10);
        QVERIFY(w.get<KindToolbar>("T2")->isPressed(10));
        QCOMPARE(w.window->currentKind()->id, QStringLiteral("equal-angle"));
    }

    // A feature's commands appear in the context menus of the grid and of the results; the
    // results keep their own copy entry.
    void contextMenusOfferTheFeatureCommands()
    {
        CalculatorWindow w(FixtureTables::all());
        w.choose(2, 10);
        auto *gridCommand = new QAction(QStringLiteral("grid command"), w.window.get());
        auto *resultCommand = new QAction(QStringLiteral("result command"), w.window.get());
        w.window->addGridCommand(gridCommand);
        w.window->addResultCommand(resultCommand);

        // The window's own features have their entries there too.
        const QStringList gridTexts = contextMenuEntries(w.get("DBGrid2"), QPoint(10, 30));
        QVERIFY(gridTexts.contains(QStringLiteral("grid command")));
        QVERIFY(!gridTexts.contains(QStringLiteral("result command")));
        for (const char *result : {"Text6", "Text7"}) {
            const QStringList texts = contextMenuEntries(w.get(result), QPoint(5, 5));
            QVERIFY2(texts.contains(QStringLiteral("result command")), result);
            QVERIFY2(std::any_of(texts.cbegin(), texts.cend(),
                                 [](const QString &t) { return t.contains(QStringLiteral("Copy")); }),
                     result);
            QVERIFY2(!texts.contains(QStringLiteral("grid command")), result);
        }
    }

    void disablingAnInputKeepsItsText()
    {
        CalculatorWindow w(FixtureTables::all());
        w.choose(2, 10);
        w.type("Text3", QStringLiteral("6000"));
        w.choose(4, 1);
        QVERIFY(!w.get("Text3")->isEnabled());
        QCOMPARE(w.text("Text3"), QStringLiteral("6000"));
    }

    void cellShapesFollowTheReinforcementKinds()
    {
        CalculatorWindow w(FixtureTables::all());
        w.choose(3, 5);
        w.press(3, 4);
        QCOMPARE(shownOptions(w), QStringLiteral("O6 O7"));
        w.press(3, 2);
        QCOMPARE(shownOptions(w), QString());
    }

    // A base that cannot be read for a kind, missing as a file or missing the kind's table:
    // the message, and the program ends; nothing makes the missing base.
    void unreadableBaseEndsTheProgram_data()
    {
        QTest::addColumn<bool>("withTables");
        QTest::addColumn<int>("button");
        QTest::newRow("no base.mdb in the program directory") << false << 10;
        QTest::newRow("table missing: the fixture has no уголок гнутый1") << true << 9;
    }
    void unreadableBaseEndsTheProgram()
    {
        QFETCH(bool, withTables);
        QFETCH(int, button);
        const auto w = withTables ? std::make_unique<CalculatorWindow>(FixtureTables::all())
                                  : std::make_unique<CalculatorWindow>(false);
        w->choose(2, button);
        QCOMPARE(w->env->messages.texts(), QStringList{QStringLiteral("Не могу подключить базу данных !")});
        QCOMPARE(w->env->messages.shown.first().title, QStringLiteral("Ошибка"));
        QCOMPARE(w->env->messages.shown.first().icon, UserMessages::Icon::Critical);
        QCOMPARE(w->env->exit.code, std::optional<int>(1));
        QCOMPARE(QFile::exists(w->fixture.file(QStringLiteral("base.mdb"))), withTables);
    }

    // A drawing that cannot be opened, missing or not a picture at all: the message, and the
    // kind still loads and computes.
    void pictureThatCannotBeOpenedIsReportedAndTheKindStillLoads_data()
    {
        QTest::addColumn<bool>("junkInItsPlace");
        QTest::newRow("missing picture") << false;
        QTest::newRow("picture that is no picture") << true;
    }
    void pictureThatCannotBeOpenedIsReportedAndTheKindStillLoads()
    {
        QFETCH(bool, junkInItsPlace);
        CalculatorWindow w(FixtureTables::all());
        if (junkInItsPlace) {
            QFile junk(w.fixture.file(QStringLiteral("ugol2.jpg")));
            QVERIFY(junk.open(QIODevice::WriteOnly | QIODevice::Truncate));
            junk.write("not a picture");
            junk.close();
        } else {
            QVERIFY(QFile::remove(w.fixture.file(QStringLiteral("ugol2.jpg"))));
        }
        w.choose(2, 10);
        w.type("Text3", QStringLiteral("1000"));
        QCOMPARE(w.env->messages.texts(), QStringList{QStringLiteral("Не могу открыть рисунок !")});
        QCOMPARE(w.env->messages.shown.first().title, QStringLiteral("Ошибка"));
        QCOMPARE(w.env->messages.shown.first().icon, UserMessages::Icon::Critical);
        QVERIFY(!w.env->exit.code);
        QVERIFY(w.get("Image2")->isHidden());
        QCOMPARE(w.get<QGroupBox>("Frame2")->title(), QStringLiteral("Уголок равнобокий ГОСТ 8509-93"));
        QCOMPARE(w.window->dataSource()->records()->rowCount(), 1);
        QCOMPARE(w.text("Text6"), QStringLiteral("10,5"));
    }

    void pictureIsFittedIntoThePanel_data()
    {
        QTest::addColumn<QSize>("pixels");
        QTest::addColumn<QRect>("geometry");
        // 400 x 300 px = 6000 x 4500 twips: scaled to 1935 x 1451.25 at left 100, top 481.875.
        QTest::newRow("large landscape") << QSize(400, 300) << QRect(7, 32, 129, 97);
        // 60 x 40 px = 900 x 600 twips: own size, centred at 667.5, 907.5.
        QTest::newRow("small") << QSize(60, 40) << QRect(45, 61, 60, 40);
        // 100 x 242 px = 1500 x 3630 twips: 750 x 1815 at left 742.5, top 300.
        QTest::newRow("tall portrait") << QSize(100, 242) << QRect(50, 20, 50, 121);
    }
    void pictureIsFittedIntoThePanel()
    {
        QFETCH(QSize, pixels);
        QFETCH(QRect, geometry);
        CalculatorWindow w(FixtureTables::all());
        w.fixture.writePicture(QStringLiteral("ugol2.jpg"), pixels);
        w.choose(2, 10);
        auto *image = w.get<PictureBox>("Image2");
        QCOMPARE(image->geometry(), geometry);
        QVERIFY(image->stretch());
        QCOMPARE(image->frameShape(), QFrame::Box);
    }

    void enlargedPicture()
    {
        CalculatorWindow w(FixtureTables::all());
        w.get<PictureBox>("Image2")->clicked();
        QVERIFY(!w.window->enlargedPicture()); // nothing before the first kind press
        w.fixture.writePicture(QStringLiteral("ugol2.jpg"), QSize(400, 267)); // 6000 x 4005 twips
        w.choose(2, 10);
        Q_EMIT w.get<PictureBox>("Image2")->clicked();
        QPointer<Form22> big = w.window->enlargedPicture();
        QVERIFY(big && big->isVisible());
        QCOMPARE(big->windowTitle(), QStringLiteral("Увеличенное изображение"));
        QCOMPARE(big->image()->size(), QSize(400, 267));
        QCOMPARE(big->image()->pos(), QPoint(20, 20)); // 300 twips
        QCOMPARE(big->frameGeometry().size(), QSize(440, 334)); // + 600 and + 1000 twips
        // A second click brings the same window with the new picture.
        w.fixture.writePicture(QStringLiteral("kvadrat.jpg"), QSize(300, 200));
        w.press(2, 4);
        Q_EMIT w.get<PictureBox>("Image2")->clicked();
        QCOMPARE(w.window->enlargedPicture(), big.data());
        QCOMPARE(big->image()->size(), QSize(300, 200));
        // A click on the enlarged picture closes the window.
        Q_EMIT big->image()->clicked();
        QTRY_VERIFY(!big);
    }

    // Esc closes the enlarged picture as a click on it does; other keys leave it open.
    void enlargedPictureKeys_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("closes");
        QTest::newRow("Esc closes") << int(Qt::Key_Escape) << true;
        QTest::newRow("space leaves it open") << int(Qt::Key_Space) << false;
        QTest::newRow("a letter leaves it open") << int(Qt::Key_A) << false;
    }
    void enlargedPictureKeys()
    {
        QFETCH(int, key);
        QFETCH(bool, closes);
        CalculatorWindow w(FixtureTables::all());
        w.choose(2, 10);
        Q_EMIT w.get<PictureBox>("Image2")->clicked();
        QPointer<Form22> big = w.window->enlargedPicture();
        QVERIFY(big && big->isVisible());
        QTest::keyClick(big.data(), Qt::Key(key));
        if (closes) {
            QTRY_VERIFY(!big);
        } else {
            QTest::qWait(20);
            QVERIFY(big && big->isVisible());
        }
        QVERIFY(w.window->isVisible());
    }
};

QTEST_MAIN(TestKinds)
#include "tst_kinds.moc"
