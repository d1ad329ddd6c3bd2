// What a designer does, on the built reference base, checked against figures worked out by
// hand from the standards.

#include "calculatorwindow.h"
#include "catalogue/datasource.h"

#include <QTest>

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

} // namespace

class TestEndToEnd : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia)); }

    // On the real tables the drawing changes exactly where the standard or the series changes:
    // the last row of the first drawing and the first row of the second, by what they hold.
    void drawingChangesWithTheStandard_data()
    {
        QTest::addColumn<int>("toolbar");
        QTest::addColumn<int>("button");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("cell");
        QTest::addColumn<QString>("picture");
        QTest::newRow("I-beam No 60, last of ГОСТ 8239-89") << 2 << 2 << 16 << 0 << "60" << "dvut1.jpg";
        QTest::newRow("I-beam 10Б1, first of ГОСТ 26020-83") << 2 << 2 << 17 << 0 << "10Б1" << "dvut2.jpg";
        QTest::newRow("rail Р24, last of the light rails") << 2 << 5 << 3 << 0 << "Р24" << "rels1.jpg";
        QTest::newRow("rail Р43, first of the heavy rails") << 2 << 5 << 4 << 0 << "Р43" << "rels2.jpg";
        QTest::newRow("channel 40У, last of the У series") << 2 << 7 << 17 << 0 << "40У" << "sh1.jpg";
        QTest::newRow("channel 5П, first of the П series") << 2 << 7 << 18 << 0 << "5П" << "sh2.jpg";
        QTest::newRow("ribbed sheet 12 mm, last rhombic") << 5 << 1 << 7 << 1 << "ромбическое" << "r1.jpg";
        QTest::newRow("ribbed sheet 2.5 mm, first lentil") << 5 << 1 << 8 << 1 << "чечевичное" << "r2.jpg";
        QTest::newRow("welded mesh 200/200, last roll") << 3 << 5 << 2 << 0 << "5Вр-I 200/200 рулонная"
                                                        << "ss1.jpg";
        QTest::newRow("welded mesh 4С 100/100, first flat") << 3 << 5 << 3 << 0 << "4С Вр-I 100/100"
                                                            << "ss2.jpg";
    }
    void drawingChangesWithTheStandard()
    {
        QFETCH(int, toolbar);
        QFETCH(int, button);
        QFETCH(int, row);
        QFETCH(int, column);
        QFETCH(QString, cell);
        QFETCH(QString, picture);
        CalculatorWindow w(true);
        w.choose(toolbar, button);
        w.selectRow(row);
        QCOMPARE(w.window->dataSource()->records()->cell(row, column), cell);
        QCOMPARE(w.state().PictureFile, picture);
    }

    // Equal angle 50 x 50 x 5 of ГОСТ 8509-93: 3.77 kg/m; 6000 mm, 10 pieces.
    void equalAngle()
    {
        CalculatorWindow w(true);
        w.choose(2, 10);
        const int row = findRow(w, {QStringLiteral("50"), QStringLiteral("5")});
        QVERIFY(row >= 0);
        w.selectRow(row);
        w.type("Text3", QStringLiteral("6000"));
        w.type("Text5", QStringLiteral("10"));
        QCOMPARE(w.text("Text6"), QStringLiteral("22,6"));  // 3.77 × 6
        QCOMPARE(w.text("Text7"), QStringLiteral("226,2")); // × 10
        w.click("Option2");
        QCOMPARE(w.text("Text6"), QStringLiteral("22,62"));
    }

    // I-beam No 20 of ГОСТ 8239-89: 21.0 kg/m; 12 m in tonnes with three decimals.
    void iBeamInTonnes()
    {
        CalculatorWindow w(true);
        w.choose(2, 2);
        const int row = findRow(w, {QStringLiteral("20")});
        QVERIFY(row >= 0 && row <= 16);
        w.selectRow(row);
        QCOMPARE(w.state().PictureFile, QStringLiteral("dvut1.jpg"));
        w.click("Option6");
        w.click("Option5");
        w.click("Option3");
        w.type("Text3", QStringLiteral("12"));
        w.type("Text5", QStringLiteral("1"));
        QCOMPARE(w.text("Text6"), QStringLiteral("0,252")); // 21.0 × 12 / 1000
        QCOMPARE(w.text("Text7"), QStringLiteral("0,252"));
    }

    // Round bar of 10 mm, ГОСТ 2590-2006: 0.617 kg/m, read through the catalogue's SQL.
    void roundBar()
    {
        CalculatorWindow w(true);
        w.choose(2, 3);
        const int row = findRow(w, {QStringLiteral("10")});
        QVERIFY(row >= 0);
        w.selectRow(row);
        w.click("Option3");
        w.type("Text3", QStringLiteral("11 700"));
        w.type("Text5", QStringLiteral("3"));
        QCOMPARE(w.text("Text6"), QStringLiteral("7,219"));  // 0.617 × 11.7
        QCOMPARE(w.text("Text7"), QStringLiteral("21,657")); // × 3 = 21.6567
    }

    // Bolts M12 x 60 of ГОСТ 7798-70: 67.55 kg per 1000 pieces; 500 pieces.
    void boltsByThePiece()
    {
        CalculatorWindow w(true);
        w.choose(4, 8);
        const int row = findRow(w, {QStringLiteral("12"), QStringLiteral("60")});
        QVERIFY(row >= 0);
        w.selectRow(row);
        w.click("Option3");
        w.type("Text5", QStringLiteral("500"));
        QCOMPARE(w.text("Text6"), QStringLiteral("0,068"));  // 67.55 / 1000 = 0.06755
        QCOMPARE(w.text("Text7"), QStringLiteral("33,775")); // × 500
        w.click("Option1");
        QCOMPARE(w.text("Text7"), QStringLiteral("33,8"));
    }

    // A table mass that ends on a half at the rounding digit rounds up, as a designer reckons
    // it from the printed figure: M12 x 150 weighs 147.5 kg per 1000, M20 x 80 265 kg.
    void boltMassOnAHalf_data()
    {
        QTest::addColumn<QString>("diameter");
        QTest::addColumn<QString>("length");
        QTest::addColumn<QString>("precision");
        QTest::addColumn<QString>("pieces");
        QTest::addColumn<QString>("onePiece");
        QTest::addColumn<QString>("total");
        QTest::newRow("M12 x 150, three decimals")
            << "12" << "150" << "Option3" << "1" << "0,148" << "0,148"; // 0.1475
        QTest::newRow("M12 x 150, ten at two decimals")
            << "12" << "150" << "Option2" << "10" << "0,15" << "1,48"; // 1.475
        QTest::newRow("M20 x 80, two decimals")
            << "20" << "80" << "Option2" << "1" << "0,27" << "0,27"; // 0.265
    }
    void boltMassOnAHalf()
    {
        QFETCH(QString, diameter);
        QFETCH(QString, length);
        QFETCH(QString, precision);
        QFETCH(QString, pieces);
        QFETCH(QString, onePiece);
        QFETCH(QString, total);
        CalculatorWindow w(true);
        w.choose(4, 8);
        const int row = findRow(w, {diameter, length});
        QVERIFY(row >= 0);
        w.selectRow(row);
        w.click(qPrintable(precision));
        w.type("Text5", pieces);
        QCOMPARE(w.text("Text6"), onePiece);
        QCOMPARE(w.text("Text7"), total);
    }
};

QTEST_MAIN(TestEndToEnd)
#include "tst_endtoend.moc"
