// "Пересчёт из массы" over the main window on the built base: the value worked back from a mass
// by each kind's rule, written into the main window's input, gives back the mass typed.

#include "../calc/calculatorwindow.h"
#include "../calc/fixturetables.h"
#include "catalogue/datasource.h"
#include "contextmenu.h"
#include "namedcontrol.h"
#include "reverse/reversedialog.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

// The row whose first cells are the given texts, -1 if none.
int findRow(const CalculatorWindow &w, const QStringList &leading)
{
    const RecordSetModel *records = w.window->dataSource()->records();
    for (int row = 0; row < records->rowCount(); ++row) {
        bool match = true;
        for (int c = 0; c < leading.size(); ++c)
            match = match && records->cell(row, c) == leading.at(c);
        if (match)
            return row;
    }
    return -1;
}

ReverseDialog *openReverse(CalculatorWindow &w)
{
    w.window->findChild<QAction *>(QStringLiteral("ReverseFromMass"))->trigger();
    return w.window->findChild<ReverseDialog *>();
}

} // namespace

class TestReverseDialog : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia)); }

    // A kind and size, the main window's options and inputs (width, length, pieces, area), the
    // mass typed in the dialog (in tonnes or not), whether the rounded-up count is written; then
    // the dialog's answer, the input it is written into with the text worked by hand, and the
    // total the main window then shows.
    void applyGivesBackTheMass_data()
    {
        QTest::addColumn<int>("toolbar");
        QTest::addColumn<int>("button");
        QTest::addColumn<QStringList>("size");
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QStringList>("inputs");
        QTest::addColumn<QString>("mass");
        QTest::addColumn<bool>("tonnes");
        QTest::addColumn<bool>("whole");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("written");
        QTest::addColumn<QString>("total");
        const QStringList none{"", "", "", ""};
        // Seamless pipe 57 x 3.5, ГОСТ 8732-78: 4.62 kg/m; 2000 / 4.62 = 432.9004329 m.
        QTest::newRow("pipe 57x3.5, 2 t in millimetres")
            << 2 << 15 << QStringList{"57", "3.5"} << QStringList{} << none << "2" << true << false
            << "Длина 1 шт.: 432900,4329 мм" << "Text3" << "432900,4329" << "2000,0";
        QTest::newRow("pipe 57x3.5, metres and tonnes")
            << 2 << 15 << QStringList{"57", "3.5"} << QStringList{"Option6", "Option5", "Option3"} << none << "2"
            << true << false << "Длина 1 шт.: 432,9004329 м" << "Text3" << "432,9004329" << "2,0";
        // Equal angle 50 x 5, ГОСТ 8509-93: 3.77 kg/m; 1000 / 37.7 = 26.52519894 m each of ten.
        QTest::newRow("equal angle 50x5, ten pieces")
            << 2 << 10 << QStringList{"50", "5"} << QStringList{} << QStringList{"", "", "10", ""} << "1000"
            << false << false << "Длина 1 шт.: 26525,19894 мм" << "Text3" << "26525,19894" << "1000,0";
        // Rebar 12, ГОСТ 5781-82: 0.888 kg/m; 1000 / 0.888 = 1126.126126 m.
        QTest::newRow("rebar 12, 1 t")
            << 3 << 2 << QStringList{"12"} << QStringList{} << none << "1000" << false << false
            << "Длина 1 шт.: 1126126,126 мм" << "Text3" << "1126126,126" << "1000,0";
        // Sheet piles: 113.88 kg/m fixed; 1000 / 113.88 = 8.781173165 m.
        QTest::newRow("sheet pile, fixed unit mass")
            << 2 << 1 << QStringList{"Л5-УМ"} << QStringList{} << none << "1" << true << false
            << "Длина 1 шт.: 8781,173165 мм" << "Text3" << "8781,173165" << "1000,0";
        // General wire 2 mm: 0.002² × 3.1415 / 4 × 7850 = 0.02466078 kg/m; 10 / that = 405.502178 m.
        QTest::newRow("general wire 2 mm, worked-out unit mass")
            << 3 << 1 << QStringList{"2.00"} << QStringList{} << none << "10" << false << false
            << "Длина 1 шт.: 405502,178 мм" << "Text3" << "405502,178" << "10,0";
        // Bolts M12 x 60, ГОСТ 7798-70: 67.55 kg per 1000; 25 / 0.06755 = 370.096225 bolts,
        // 371 weigh 25.06105 kg.
        QTest::newRow("bolts M12x60, exact count")
            << 4 << 8 << QStringList{"12", "60"} << QStringList{"Option3"} << none << "25" << false << false
            << "Количество: 370,096225 шт.\nОкруглённое вверх: 371 шт., масса 25,061 кг" << "Text5"
            << "370,096225" << "25,0";
        QTest::newRow("bolts M12x60, rounded up")
            << 4 << 8 << QStringList{"12", "60"} << QStringList{"Option3"} << none << "25" << false << true
            << "Количество: 370,096225 шт.\nОкруглённое вверх: 371 шт., масса 25,061 кг" << "Text5" << "371"
            << "25,061";
        // Nuts M12, ГОСТ 5915-70: 15.67 kg per 1000; 15.67 kg is 1000 nuts, not 1001.
        QTest::newRow("nuts M12, whole already")
            << 4 << 1 << QStringList{"12"} << QStringList{"Option3"} << none << "15,67" << false << true
            << "Количество: 1000 шт.\nОкруглённое вверх: 1000 шт., масса 15,67 кг" << "Text5" << "1000"
            << "15,67";
        // Welded mesh in rolls, 100/100: 2.91 kg/m²; 100 / 2.91 = 34.36426117 m².
        QTest::newRow("welded mesh, area")
            << 3 << 5 << QStringList{"5Вр-I 100/100 рулонная"} << QStringList{} << none << "100" << false
            << false << "Площадь: 34,36426117 м2" << "Text4" << "34,36426117" << "100,0";
        // Woven mesh No 5, rhombic cells: 4.52 kg/m²; 45.2 kg is 10 m².
        QTest::newRow("woven mesh, area")
            << 3 << 4 << QStringList{"5"} << QStringList{"Option2"} << none << "45,2" << false << false
            << "Площадь: 10 м2" << "Text4" << "10" << "45,2";
        // Smooth sheet 10 mm: 78.5 kg/m², 1500 x 6000 mm weighs 706.5 kg; 2000 / 706.5 sheets,
        // three weigh 2119.5 kg.
        QTest::newRow("smooth sheet 10 mm, exact")
            << 5 << 2 << QStringList{"10"} << QStringList{} << QStringList{"1500", "6000", "", ""} << "2" << true
            << false << "Листов: 2,830856334 шт.\nОкруглённое вверх: 3 шт., масса 2,1 т" << "Text5"
            << "2,830856334" << "2000,0";
        QTest::newRow("smooth sheet 10 mm, rounded up")
            << 5 << 2 << QStringList{"10"} << QStringList{} << QStringList{"1500", "6000", "", ""} << "2" << true
            << true << "Листов: 2,830856334 шт.\nОкруглённое вверх: 3 шт., масса 2,1 т" << "Text5" << "3"
            << "2119,5";
        // Ribbed sheet 4 mm rhombic, ГОСТ 8568-77: 33.5 kg/m²; 1 m x 1 m, 100 kg: three sheets
        // weigh 100.5 kg.
        QTest::newRow("ribbed sheet in metres, rounded up")
            << 5 << 1 << QStringList{"4.0", "ромбическое"} << QStringList{"Option6"} << QStringList{"1", "1", "", ""}
            << "100" << false << true << "Листов: 2,985074627 шт.\nОкруглённое вверх: 3 шт., масса 100,5 кг"
            << "Text5" << "3" << "100,5";
    }
    void applyGivesBackTheMass()
    {
        QFETCH(int, toolbar);
        QFETCH(int, button);
        QFETCH(QStringList, size);
        QFETCH(QStringList, options);
        QFETCH(QStringList, inputs);
        QFETCH(QString, mass);
        QFETCH(bool, tonnes);
        QFETCH(bool, whole);
        QFETCH(QString, answer);
        QFETCH(QString, input);
        QFETCH(QString, written);
        QFETCH(QString, total);
        CalculatorWindow w(true);
        w.choose(toolbar, button);
        const int row = findRow(w, size);
        QVERIFY(row >= 0);
        w.selectRow(row);
        for (const QString &option : options)
            w.click(qPrintable(option));
        w.type("Text2", inputs.at(0));
        w.type("Text3", inputs.at(1));
        w.type("Text5", inputs.at(2));
        w.type("Text4", inputs.at(3));

        QPointer<ReverseDialog> dialog = openReverse(w);
        QVERIFY(dialog);
        QTest::keyClicks(namedControl<QLineEdit>(dialog, "MassText"), mass);
        namedControl<QRadioButton>(dialog, tonnes ? "TonneOption" : "KgOption")->click();
        if (whole)
            namedControl<QRadioButton>(dialog, "WholeOption")->click();
        QCOMPARE(namedControl<QLabel>(dialog, "ResultLabel")->text(), answer);
        QCOMPARE(namedControl<QLabel>(dialog, "MessageLabel")->text(), QString());

        namedControl<QPushButton>(dialog, "ApplyButton")->click();
        QCOMPARE(w.text(qPrintable(input)), written);
        QCOMPARE(w.text("Text7"), total);
        QTRY_VERIFY(!dialog);
        QVERIFY(!w.env->exit.code);
    }

    // Opened by the command, over the main window's unit, the mass field focused; Enter applies.
    void opensOnTheWindowsUnit_data()
    {
        QTest::addColumn<QString>("massOption");
        QTest::addColumn<QString>("checked");
        QTest::newRow("kilograms") << "Option4" << "KgOption";
        QTest::newRow("tonnes") << "Option5" << "TonneOption";
    }
    void opensOnTheWindowsUnit()
    {
        QFETCH(QString, massOption);
        QFETCH(QString, checked);
        CalculatorWindow w(true);
        w.choose(2, 15);
        w.selectRow(findRow(w, {"57", "3.5"}));
        w.click(qPrintable(massOption));
        const QAction *command = w.window->findChild<QAction *>(QStringLiteral("ReverseFromMass"));
        QCOMPARE(command->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_M));
        QVERIFY(w.window->actions().contains(command));

        QPointer<ReverseDialog> dialog = openReverse(w);
        QVERIFY(dialog);
        QVERIFY(dialog->isVisible());
        QVERIFY(namedControl<QRadioButton>(dialog, qPrintable(checked))->isChecked());
        QCOMPARE(dialog->focusWidget(), namedControl(dialog, "MassText"));
        QVERIFY(namedControl(dialog, "PiecesText")->isVisibleTo(dialog));
        QVERIFY(!namedControl(dialog, "WidthText")->isVisibleTo(dialog));
        QVERIFY(!namedControl(dialog, "CountFrame")->isVisibleTo(dialog));
        QCOMPARE(namedControl<QLineEdit>(dialog, "PiecesText")->text(), QStringLiteral("1"));

        QTest::keyClicks(namedControl<QLineEdit>(dialog, "MassText"), QStringLiteral("4,62"));
        QTest::keyClick(namedControl<QLineEdit>(dialog, "MassText"), Qt::Key_Return);
        QTRY_VERIFY(!dialog);
        // 4.62 kg (or t) of pipe 57 x 3.5 of 4.62 kg/m: one metre (or a thousand).
        QCOMPARE(w.text("Text3"), checked == "KgOption" ? QStringLiteral("1000") : QStringLiteral("1000000"));
    }

    void inTheResultsMenus_data()
    {
        QTest::addColumn<QString>("result");
        QTest::newRow("mass of one piece") << "Text6";
        QTest::newRow("total mass") << "Text7";
    }
    void inTheResultsMenus()
    {
        QFETCH(QString, result);
        CalculatorWindow w(true);
        w.choose(2, 15);
        QStringList entries = contextMenuEntries(w.get<QLineEdit>(qPrintable(result)), QPoint(5, 5));
        QVERIFY2(entries.contains(QStringLiteral("Пересчёт из массы…\tCtrl+M"))
                     || entries.contains(QStringLiteral("Пересчёт из массы…")),
                 qPrintable(entries.join(QLatin1Char('|'))));
    }

    void escapeLeavesTheWindowAsItWas()
    {
        CalculatorWindow w(true);
        w.choose(2, 15);
        w.type("Text3", QStringLiteral("6000"));
        QPointer<ReverseDialog> dialog = openReverse(w);
        QTest::keyClicks(namedControl<QLineEdit>(dialog, "MassText"), QStringLiteral("100"));
        QTest::keyClick(namedControl<QLineEdit>(dialog, "MassText"), Qt::Key_Escape);
        QTRY_VERIFY(!dialog);
        QCOMPARE(w.text("Text3"), QStringLiteral("6000"));
    }

    // No answer: the message says why, "Применить" and Enter do nothing, the main window keeps
    // its inputs. Cases on the built base, or on the small fixture base where a size has no mass.
    void noAnswer_data()
    {
        QTest::addColumn<bool>("fixture");
        QTest::addColumn<int>("toolbar");
        QTest::addColumn<int>("button");
        QTest::addColumn<bool>("stainless");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("mass");
        QTest::addColumn<QString>("pieces");
        QTest::addColumn<QString>("message");
        QTest::newRow("no mass typed") << false << 2 << 15 << false << 0 << "" << "1" << "Введите массу.";
        QTest::newRow("mass 0") << false << 2 << 15 << false << 0 << "0" << "1" << "Масса должна быть больше нуля.";
        QTest::newRow("mass 0,0") << false << 4 << 8 << false << 0 << "0,0" << "" << "Масса должна быть больше нуля.";
        QTest::newRow("no pieces") << false << 2 << 15 << false << 0 << "100" << "0"
                                   << "Количество штук должно быть больше нуля.";
        QTest::newRow("no kind chosen") << false << 0 << 0 << false << 0 << "100" << "1"
                                        << "Сначала выберите изделие и его размер в таблице.";
        QTest::newRow("stainless pipes: no rows") << false << 2 << 13 << true << 0 << "100" << "1"
                                                  << "В таблице не выбран размер: пересчитывать не из чего.";
        // The fixture's woven mesh row 3 makes neither cell shape: a mass of 0 per m².
        QTest::newRow("unit mass 0") << true << 3 << 4 << false << 3 << "100" << ""
                                     << "У выбранного размера масса единицы равна нулю: пересчёт из массы невозможен.";
    }
    void noAnswer()
    {
        QFETCH(bool, fixture);
        QFETCH(int, toolbar);
        QFETCH(int, button);
        QFETCH(bool, stainless);
        QFETCH(int, row);
        QFETCH(QString, mass);
        QFETCH(QString, pieces);
        QFETCH(QString, message);
        std::unique_ptr<CalculatorWindow> w = fixture ? std::make_unique<CalculatorWindow>(FixtureTables::all())
                                                      : std::make_unique<CalculatorWindow>(true);
        w->env->messages.answers = {stainless ? UserMessages::Answer::Yes : UserMessages::Answer::No};
        if (toolbar) {
            w->choose(toolbar, button);
            w->selectRow(row);
        }
        w->type("Text3", QStringLiteral("6000"));
        QPointer<ReverseDialog> dialog = openReverse(*w);
        namedControl<QLineEdit>(dialog, "PiecesText")->setText(pieces);
        QTest::keyClicks(namedControl<QLineEdit>(dialog, "MassText"), mass);
        QCOMPARE(namedControl<QLabel>(dialog, "MessageLabel")->text(), message);
        QCOMPARE(namedControl<QLabel>(dialog, "ResultLabel")->text(), QString());
        QVERIFY(!namedControl<QPushButton>(dialog, "ApplyButton")->isEnabled());
        QTest::keyClick(namedControl<QLineEdit>(dialog, "MassText"), Qt::Key_Return);
        dialog->Apply_Click();
        QVERIFY(dialog && dialog->isVisible());
        QCOMPARE(w->text("Text3"), QStringLiteral("6000"));
        QVERIFY(!w->env->exit.code);
    }
};

QTEST_MAIN(TestReverseDialog)
#include "tst_reversedialog.moc"
