// The mass computation through the real window: inputs typed, options clicked, kinds chosen,
// results read from the two output fields.

#include "calculatorwindow.h"
#include "fixturetables.h"

#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QLocale>
#include <QPushButton>
#include <QTest>

namespace {

// Both results cleared, each saying why in its empty field and its tooltip; the copy buttons
// copy nothing.
void expectNote(CalculatorWindow &w, const QString &note)
{
    for (const char *name : {"Text6", "Text7"}) {
        const QLineEdit *field = w.get<QLineEdit>(name);
        QVERIFY2(field->text().isEmpty(), name);
        QCOMPARE(field->placeholderText(), note);
        QVERIFY2(field->toolTip().contains(note), qPrintable(field->toolTip()));
    }
    for (const char *button : {"Command1", "Command2"}) {
        QGuiApplication::clipboard()->setText(QStringLiteral("stale"));
        w.get<QPushButton>(button)->click();
        QCOMPARE(QGuiApplication::clipboard()->text(), QString());
    }
}

// The figures, and no note left over.
void expectResults(CalculatorWindow &w, const QString &onePiece, const QString &total)
{
    QCOMPARE(w.text("Text6"), onePiece);
    QCOMPARE(w.text("Text7"), total);
    for (const char *name : {"Text6", "Text7"}) {
        QVERIFY2(w.get<QLineEdit>(name)->placeholderText().isEmpty(), name);
        QVERIFY2(w.get<QLineEdit>(name)->toolTip().isEmpty(), name);
    }
}

} // namespace

class TestCalculator : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia)); }

    void byLength()
    {
        CalculatorWindow w(FixtureTables::all());
        w.choose(2, 10); // equal angle, 10.5 kg/m in the fixture
        QTest::keyClicks(w.get<QLineEdit>("Text3"), QStringLiteral("6000"));
        w.type("Text5", QStringLiteral("2"));
        QCOMPARE(w.text("Text6"), QStringLiteral("63,0"));
        QCOMPARE(w.text("Text7"), QStringLiteral("126,0"));

        w.click("Option6"); // metres: the same length is now 6000 m
        QCOMPARE(w.text("Text6"), QStringLiteral("63000,0"));
        w.type("Text3", QStringLiteral("6"));
        QCOMPARE(w.text("Text6"), QStringLiteral("63,0"));
        QCOMPARE(w.text("Text7"), QStringLiteral("126,0"));

        w.click("Option5"); // tonnes: 0.063 rounds to one decimal
        QCOMPARE(w.text("Text6"), QStringLiteral("0,1"));
        w.click("Option3");
        QCOMPARE(w.text("Text6"), QStringLiteral("0,063"));
        QCOMPARE(w.text("Text7"), QStringLiteral("0,126"));
        w.click("Option2");
        QCOMPARE(w.text("Text6"), QStringLiteral("0,06"));
        w.click("Option4");
        w.click("Option7");
        w.type("Text3", QStringLiteral("6,5"));
        QCOMPARE(w.text("Text6"), QStringLiteral("0,07")); // 6.5 mm × 10.5 kg/m
    }

    void emptyLengthGivesZero()
    {
        CalculatorWindow w(FixtureTables::all());
        w.choose(2, 10);
        QCOMPARE(w.text("Text6"), QStringLiteral("0,0"));
        QCOMPARE(w.text("Text7"), QStringLiteral("0,0"));
    }

    // Each rule with a worked figure: kind, inputs (width, length, pieces, area), precision
    // option, expected outputs.
    void rules_data()
    {
        QTest::addColumn<int>("toolbar");
        QTest::addColumn<int>("button");
        QTest::addColumn<bool>("stainless");
        QTest::addColumn<QStringList>("inputs");
        QTest::addColumn<QString>("precision");
        QTest::addColumn<QString>("onePiece");
        QTest::addColumn<QString>("total");
        // 31.7 kg per 1000 nuts: 0.0317 kg each, 31.7 kg for 1000.
        QTest::newRow("nuts per 1000") << 4 << 1 << false << QStringList{"", "", "1000", ""}
                                       << "Option3" << "0,032" << "31,7";
        // Sheet piles, the first row's mass of 1 m (Л4, 74.0 kg/m): 12 m, 2 piles.
        QTest::newRow("sheet piles, mass of the row") << 2 << 1 << false << QStringList{"", "12000", "2", ""}
                                                      << "Option2" << "888,0" << "1776,0";
        // (57 − 3.5) × 3.5 × 3.1415 × 7.85 / 1000 = 4.6177 kg/m, 1 m.
        QTest::newRow("stainless pipe") << 2 << 13 << true << QStringList{"", "1000", "1", ""}
                                        << "Option3" << "4,618" << "4,618";
        QTest::newRow("ordinary pipe") << 2 << 13 << false << QStringList{"", "1000", "3", ""}
                                       << "Option2" << "4,62" << "13,86";
        // 0.006² × 3.1415 / 4 × 7850 = 0.22195 kg/m, 10 m.
        QTest::newRow("general wire") << 3 << 1 << false << QStringList{"", "10000", "1", ""}
                                      << "Option3" << "2,219" << "2,219";
        // Welded mesh, first row: 2.91 kg/m², 10 m².
        QTest::newRow("welded mesh fixed") << 3 << 5 << false << QStringList{"", "", "", "10"}
                                           << "Option2" << "2,91" << "29,1";
        // Woven mesh, rhombic cells 4.2 kg/m², 2.5 m².
        QTest::newRow("woven mesh") << 3 << 4 << false << QStringList{"", "", "", "2,5"}
                                    << "Option2" << "4,2" << "10,5";
        // Smooth sheet 10 mm, 1000 x 1000 mm: 78.5 kg.
        QTest::newRow("smooth sheet") << 5 << 2 << false << QStringList{"1000", "1000", "2", ""}
                                      << "Option1" << "78,5" << "157,0";
        // Ribbed sheet 35 kg/m², 1500 x 6000 mm.
        QTest::newRow("ribbed sheet") << 5 << 1 << false << QStringList{"1500", "6000", "4", ""}
                                      << "Option1" << "315,0" << "1260,0";
    }
    void rules()
    {
        QFETCH(int, toolbar);
        QFETCH(int, button);
        QFETCH(bool, stainless);
        QFETCH(QStringList, inputs);
        QFETCH(QString, precision);
        QFETCH(QString, onePiece);
        QFETCH(QString, total);
        CalculatorWindow w(FixtureTables::all());
        w.env->messages.answers = {stainless ? UserMessages::Answer::Yes : UserMessages::Answer::No};
        w.choose(toolbar, button);
        w.click(qPrintable(precision));
        w.type("Text2", inputs.at(0));
        w.type("Text3", inputs.at(1));
        w.type("Text5", inputs.at(2));
        w.type("Text4", inputs.at(3));
        QCOMPARE(w.text("Text6"), onePiece);
        QCOMPARE(w.text("Text7"), total);
        QVERIFY(!w.env->exit.code);
    }

    // Each sheet pile computes with its own mass of 1 m, read from the selected row: 1 m, 1 pile.
    void sheetPileMassFollowsTheRow_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("onePiece");
        QTest::newRow("Л4, 74.0 kg/m") << 0 << "74,0";
        QTest::newRow("Л5-УМ, 113.88 kg/m") << 1 << "113,88";
    }
    void sheetPileMassFollowsTheRow()
    {
        QFETCH(int, row);
        QFETCH(QString, onePiece);
        CalculatorWindow w(FixtureTables::all());
        w.choose(2, 1);
        w.click("Option2");
        w.type("Text3", QStringLiteral("1000"));
        w.type("Text5", QStringLiteral("1"));
        w.selectRow(row);
        QCOMPARE(w.text("Text6"), onePiece);
        QCOMPARE(w.text("Text7"), onePiece);
    }

    void weldedMeshWireDiameters_data()
    {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("onePiece");
        // Row 3: spacings 100 x 100: (9.5 + 9.5 + 2) × k.
        QTest::newRow("3 mm") << "o8" << "1,092";
        QTest::newRow("4 mm") << "o9" << "1,932";
        QTest::newRow("5 mm") << "o10" << "3,024";
    }
    void weldedMeshWireDiameters()
    {
        QFETCH(QString, option);
        QFETCH(QString, onePiece);
        CalculatorWindow w(FixtureTables::all());
        w.choose(3, 5);
        w.click("Option3");
        w.type("Text4", QStringLiteral("1"));
        w.selectRow(3);
        w.click(qPrintable(option));
        QCOMPARE(w.text("Text6"), onePiece);
        QCOMPARE(w.text("Text7"), onePiece);
    }

    // Overflow and numbers too large: the computation stops, both results are cleared and say
    // why, the copy buttons copy nothing, the program goes on without a message; sound inputs
    // bring the results back.
    void arithmeticErrorsClearTheResults_data()
    {
        QTest::addColumn<QString>("length");
        QTest::addColumn<QString>("pieces");
        QTest::newRow("product beyond double") << "1e300" << "1e300";
        QTest::newRow("both inputs at 1e200") << "1e200" << "1e200";
        QTest::newRow("length too large for a number") << "1e400" << "1";
        QTest::newRow("length with a huge exponent") << "1e99999" << "1";
        QTest::newRow("pieces too large for a number") << "1000" << "9e999";
    }
    void arithmeticErrorsClearTheResults()
    {
        QFETCH(QString, length);
        QFETCH(QString, pieces);
        CalculatorWindow w(FixtureTables::all());
        w.choose(2, 10);
        w.type("Text3", QStringLiteral("1000"));
        w.type("Text5", QStringLiteral("1"));
        QCOMPARE(w.text("Text6"), QStringLiteral("10,5"));
        QCOMPARE(w.text("Text7"), QStringLiteral("10,5"));

        w.type("Text3", length);
        w.type("Text5", pieces);
        expectNote(w, QStringLiteral("переполнение"));
        QVERIFY(!w.env->exit.code);
        QVERIFY(w.env->messages.shown.isEmpty());

        w.type("Text3", QStringLiteral("2000"));
        w.type("Text5", QStringLiteral("3"));
        expectResults(w, QStringLiteral("21,0"), QStringLiteral("63,0"));
    }

    // No negative mass is ever shown, nor one made positive by two negative inputs: a length,
    // a width, a count or an area below zero that the kind's rule reads clears both results
    // with a note, until the inputs are sound again. An input the rule does not read changes
    // nothing.
    void negativeInputsClearTheResults_data()
    {
        QTest::addColumn<int>("toolbar");
        QTest::addColumn<int>("button");
        QTest::addColumn<QStringList>("sound"); // Text2, Text3, Text5, Text4
        QTest::addColumn<QStringList>("negative");
        QTest::addColumn<QString>("onePiece");
        QTest::addColumn<QString>("total");
        const QStringList angle{"", "1000", "2", ""};
        QTest::newRow("length -5 mm") << 2 << 10 << angle << QStringList{"", "-5", "2", ""} << "10,5" << "21,0";
        QTest::newRow("length -0,001 mm") << 2 << 10 << angle << QStringList{"", "-0,001", "2", ""} << "10,5" << "21,0";
        QTest::newRow("pieces -2") << 2 << 10 << angle << QStringList{"", "1000", "-2", ""} << "10,5" << "21,0";
        QTest::newRow("length and pieces both negative")
            << 2 << 10 << angle << QStringList{"", "-1000", "-2", ""} << "10,5" << "21,0";
        const QStringList sheet{"1500", "6000", "4", ""};
        QTest::newRow("sheet width and length both negative")
            << 5 << 1 << sheet << QStringList{"-1500", "-6000", "4", ""} << "" << "";
        QTest::newRow("mesh area -2,5") << 3 << 4 << QStringList{"", "", "", "2,5"} << QStringList{"", "", "", "-2,5"}
                                        << "" << "";
    }
    void negativeInputsClearTheResults()
    {
        QFETCH(int, toolbar);
        QFETCH(int, button);
        QFETCH(QStringList, sound);
        QFETCH(QStringList, negative);
        QFETCH(QString, onePiece);
        QFETCH(QString, total);
        CalculatorWindow w(FixtureTables::all());
        w.choose(toolbar, button);
        const char *inputs[] = {"Text2", "Text3", "Text5", "Text4"};
        const auto typeAll = [&](const QStringList &texts) {
            for (int i = 0; i < 4; ++i)
                w.type(inputs[i], texts.at(i));
        };
        typeAll(sound);
        const QString soundOnePiece = w.text("Text6");
        const QString soundTotal = w.text("Text7");
        QVERIFY(!soundOnePiece.isEmpty());
        if (!onePiece.isEmpty()) {
            QCOMPARE(soundOnePiece, onePiece);
            QCOMPARE(soundTotal, total);
        }
        typeAll(negative);
        expectNote(w, QStringLiteral("меньше нуля"));
        QVERIFY(w.env->messages.shown.isEmpty());
        typeAll(sound);
        expectResults(w, soundOnePiece, soundTotal);
    }

    // A negative input that the kind does not read (the width of an angle) changes nothing.
    void negativeInputNotReadIsNoError()
    {
        CalculatorWindow w(FixtureTables::all());
        w.choose(2, 10);
        w.type("Text3", QStringLiteral("1000"));
        w.type("Text5", QStringLiteral("2"));
        w.type("Text2", QStringLiteral("-5"));
        expectResults(w, QStringLiteral("10,5"), QStringLiteral("21,0"));
    }

    // The results are the computation's: typed keys do not change them, so the copy buttons
    // copy the figures; they can still be selected and copied, and keep their look.
    void resultsCannotBeTypedInto()
    {
        CalculatorWindow w(FixtureTables::all());
        w.choose(2, 10);
        w.type("Text3", QStringLiteral("1000"));
        w.type("Text5", QStringLiteral("2"));
        QLineEdit *total = w.get<QLineEdit>("Text7");
        QApplication::setActiveWindow(w.window.get());
        total->setFocus();
        total->end(false);
        QTest::keyClicks(total, QStringLiteral("999"));
        QTest::keyClick(total, Qt::Key_Backspace);
        QCOMPARE(total->text(), QStringLiteral("21,0"));
        w.get<QPushButton>("Command2")->click();
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("21,0"));
        total->selectAll();
        QCOMPARE(total->selectedText(), QStringLiteral("21,0"));
        QCOMPARE(total->palette().color(QPalette::Active, QPalette::Base), QColor(255, 192, 192));
    }

    // An input the kind does not read is drawn disabled, not in its bright designed colour, so
    // that nobody types into it; the inputs it reads keep their colours.
    void disabledInputsLookDisabled()
    {
        CalculatorWindow w(FixtureTables::all());
        w.choose(2, 2); // I-beams: length and pieces
        QVERIFY(QTest::qWaitForWindowExposed(w.window.get()));
        const auto centreOf = [](QWidget *input) {
            return input->grab().toImage().pixelColor(input->width() / 2, input->height() / 2);
        };
        const QColor orange(255, 192, 128);
        const QColor yellow(255, 255, 192);
        QVERIFY(!w.get<QLineEdit>("Text2")->isEnabled());
        QVERIFY(!w.get<QLineEdit>("Text4")->isEnabled());
        QCOMPARE(centreOf(w.get<QLineEdit>("Text3")), orange);
        QVERIFY2(centreOf(w.get<QLineEdit>("Text2")) != orange, qPrintable(centreOf(w.get<QLineEdit>("Text2")).name()));
        QVERIFY2(centreOf(w.get<QLineEdit>("Text4")) != yellow, qPrintable(centreOf(w.get<QLineEdit>("Text4")).name()));
        QCOMPARE(centreOf(w.get<QLineEdit>("Text2")),
                 QApplication::palette().color(QPalette::Disabled, QPalette::Base));
        // The same input enabled by another kind takes its colour again.
        w.choose(5, 1);
        QCOMPARE(centreOf(w.get<QLineEdit>("Text2")), orange);
    }

    // A spacing of 0 in the welded mesh's row divides by zero: cleared and said so, whichever
    // wire is then chosen, until a sound row is chosen.
    void zeroSpacingClearsTheResults()
    {
        CalculatorWindow w(FixtureTables::all());
        w.choose(3, 5);
        w.type("Text4", QStringLiteral("10"));
        w.selectRow(3);
        QCOMPARE(w.text("Text7"), QStringLiteral("10,9")); // (9.5 + 9.5 + 2) × 0.052 × 10 m² = 10.92
        w.selectRow(5); // a spacing of 0 under the selected 3 mm wire
        expectNote(w, QStringLiteral("деление на ноль"));
        w.click("o9");
        expectNote(w, QStringLiteral("деление на ноль"));
        w.selectRow(3);
        expectResults(w, QStringLiteral("1,9"), QStringLiteral("19,3")); // × 0.092
        QVERIFY(!w.env->exit.code);
        QVERIFY(w.env->messages.shown.isEmpty());
    }

    // An arithmetic error met in a kind press is no database failure: no message, the program
    // goes on with the kind chosen and the results cleared.
    void arithmeticErrorInAKindPress_data()
    {
        QTest::addColumn<QString>("length");
        QTest::addColumn<QString>("pieces");
        QTest::addColumn<QString>("unitMass"); // of the angle in the fixture's first row
        QTest::newRow("inputs overflow") << "1e300" << "1e300" << "10.5";
        QTest::newRow("length too large for a number") << "1e400" << "1" << "10.5";
        QTest::newRow("unit mass of 1e308 in the first row") << "1000" << "1" << "1e308";
        QTest::newRow("unit mass too large for a number") << "1000" << "1" << "1e400";
    }
    void arithmeticErrorInAKindPress()
    {
        QFETCH(QString, length);
        QFETCH(QString, pieces);
        QFETCH(QString, unitMass);
        QList<ProgramFixture::Table> tables = FixtureTables::all();
        for (ProgramFixture::Table &table : tables)
            if (table.name == QStringLiteral("уголок"))
                table.rows = {{"50", "5", unitMass}, {"63", "5", "12.5"}};
        CalculatorWindow w(tables);
        w.choose(2, 2); // another kind first
        w.type("Text3", length);
        w.type("Text5", pieces);
        w.press(2, 10);
        QVERIFY(!w.env->exit.code);
        QVERIFY(w.env->messages.shown.isEmpty());
        QCOMPARE(w.get<QGroupBox>("Frame2")->title(), QStringLiteral("Уголок равнобокий ГОСТ 8509-93"));
        expectNote(w, QStringLiteral("переполнение"));
        // Sound again: the second row and plain inputs.
        w.selectRow(1);
        w.type("Text3", QStringLiteral("1000"));
        w.type("Text5", QStringLiteral("2"));
        expectResults(w, QStringLiteral("12,5"), QStringLiteral("25,0"));
    }

    // A mass cell without a number (empty, a dash, a word) has no mass to compute with: the
    // results are cleared and say so; a 0 is a mass like any other.
    void massCellWithoutANumber_data()
    {
        QTest::addColumn<QString>("cell");
        QTest::addColumn<QString>("onePiece"); // empty: no mass
        QTest::newRow("empty") << "" << "";
        QTest::newRow("blanks") << "   " << "";
        QTest::newRow("a dash") << "—" << "";
        QTest::newRow("a word") << "нет" << "";
        QTest::newRow("zero") << "0" << "0,0";
        QTest::newRow("a number before a note") << "12.5*" << "12,5";
    }
    void massCellWithoutANumber()
    {
        QFETCH(QString, cell);
        QFETCH(QString, onePiece);
        QList<ProgramFixture::Table> tables = FixtureTables::all();
        for (ProgramFixture::Table &table : tables)
            if (table.name == QStringLiteral("уголок"))
                table.rows = {{"50", "5", "10.5"}, {"63", "5", cell}};
        CalculatorWindow w(tables);
        w.choose(2, 10);
        w.type("Text3", QStringLiteral("1000"));
        w.type("Text5", QStringLiteral("1"));
        expectResults(w, QStringLiteral("10,5"), QStringLiteral("10,5"));
        w.selectRow(1);
        if (onePiece.isEmpty())
            expectNote(w, QStringLiteral("нет массы"));
        else
            expectResults(w, onePiece, onePiece);
        w.selectRow(0);
        expectResults(w, QStringLiteral("10,5"), QStringLiteral("10,5"));
    }

    void hiddenGridComputesNothing()
    {
        CalculatorWindow w(FixtureTables::all());
        w.choose(2, 10);
        w.type("Text3", QStringLiteral("1000"));
        QCOMPARE(w.text("Text6"), QStringLiteral("10,5"));
        w.press(1, 2); // a group press hides the grid
        w.type("Text3", QStringLiteral("2000"));
        w.click("Option3");
        QCOMPARE(w.text("Text6"), QStringLiteral("10,5"));
    }

    // A table without sizes has no row to compute: the last kind's figures would pass for
    // this one's, so both results are cleared and say why, until a kind with rows is chosen.
    void emptyTableClearsTheResults()
    {
        CalculatorWindow w(FixtureTables::all());
        w.choose(2, 10);
        w.type("Text3", QStringLiteral("1000"));
        QCOMPARE(w.text("Text6"), QStringLiteral("10,5"));
        w.choose(2, 12); // the fixture's Z sections have no rows
        for (const char *result : {"Text6", "Text7"}) {
            QCOMPARE(w.text(result), QString());
            QCOMPARE(w.get<QLineEdit>(result)->placeholderText(), QStringLiteral("нет размера"));
        }
        w.type("Text3", QStringLiteral("3000"));
        QCOMPARE(w.text("Text6"), QString());
        w.get<QPushButton>("Command1")->click();
        QCOMPARE(QGuiApplication::clipboard()->text(), QString());
        QVERIFY(!w.env->exit.code);
        w.choose(2, 10);
        QCOMPARE(w.text("Text6"), QStringLiteral("31,5"));
        QCOMPARE(w.get<QLineEdit>("Text6")->placeholderText(), QString());
    }
};

QTEST_MAIN(TestCalculator)
#include "tst_calculator.moc"
