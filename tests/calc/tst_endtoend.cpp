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

    // A designer's case on the built base: kind, size, inputs, then the unit and precision
    // options, which recompute what is shown.
    void designersCase_data()
    {
        QTest::addColumn<int>("toolbar");
        QTest::addColumn<int>("button");
        QTest::addColumn<QStringList>("size");
        QTest::addColumn<QString>("picture");
        QTest::addColumn<QString>("length");
        QTest::addColumn<QString>("pieces");
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QString>("onePiece");
        QTest::addColumn<QString>("total");
        // Equal angle 50 x 50 x 5 of ГОСТ 8509-93: 3.77 kg/m; 6000 mm, 10 pieces.
        QTest::newRow("equal angle 50x50x5, one decimal")
            << 2 << 10 << QStringList{"50", "5"} << "ugol2.jpg" << "6000" << "10" << QStringList{}
            << "22,6" << "226,2"; // 3.77 × 6, × 10
        QTest::newRow("equal angle 50x50x5, two decimals")
            << 2 << 10 << QStringList{"50", "5"} << "ugol2.jpg" << "6000" << "10"
            << QStringList{"Option2"} << "22,62" << "226,2";
        // I-beam No 20 of ГОСТ 8239-89 (the first drawing): 21.0 kg/m; 12 m in tonnes with
        // three decimals.
        QTest::newRow("I-beam 20, metres and tonnes")
            << 2 << 2 << QStringList{"20"} << "dvut1.jpg" << "12" << "1"
            << QStringList{"Option6", "Option5", "Option3"} << "0,252" << "0,252"; // 21.0 × 12 / 1000
        // Round bar of 10 mm, ГОСТ 2590-2006: 0.617 kg/m, read through the catalogue's SQL.
        QTest::newRow("round bar 10 mm, blank in the length")
            << 2 << 3 << QStringList{"10"} << "krug.jpg" << "11 700" << "3" << QStringList{"Option3"}
            << "7,219" << "21,657"; // 0.617 × 11.7, × 3 = 21.6567
        // Bolts M12 x 60 of ГОСТ 7798-70: 67.55 kg per 1000 pieces; 500 pieces.
        QTest::newRow("bolts M12x60 by the piece, three decimals")
            << 4 << 8 << QStringList{"12", "60"} << "bolt.jpg" << "" << "500" << QStringList{"Option3"}
            << "0,068" << "33,775"; // 67.55 / 1000 = 0.06755, × 500
        QTest::newRow("bolts M12x60 by the piece, one decimal")
            << 4 << 8 << QStringList{"12", "60"} << "bolt.jpg" << "" << "500"
            << QStringList{"Option3", "Option1"} << "0,1" << "33,8";
        // A table mass that ends on a half at the rounding digit rounds up, as a designer
        // reckons it from the printed figure: M12 x 150 weighs 147.5 kg per 1000, M20 x 80 265 kg.
        QTest::newRow("bolts M12x150 on a half, three decimals")
            << 4 << 8 << QStringList{"12", "150"} << "bolt.jpg" << "" << "1" << QStringList{"Option3"}
            << "0,148" << "0,148"; // 0.1475
        QTest::newRow("bolts M12x150 on a half, ten at two decimals")
            << 4 << 8 << QStringList{"12", "150"} << "bolt.jpg" << "" << "10" << QStringList{"Option2"}
            << "0,15" << "1,48"; // 1.475
        QTest::newRow("bolts M20x80 on a half, two decimals")
            << 4 << 8 << QStringList{"20", "80"} << "bolt.jpg" << "" << "1" << QStringList{"Option2"}
            << "0,27" << "0,27"; // 0.265
    }
    void designersCase()
    {
        QFETCH(int, toolbar);
        QFETCH(int, button);
        QFETCH(QStringList, size);
        QFETCH(QString, picture);
        QFETCH(QString, length);
        QFETCH(QString, pieces);
        QFETCH(QStringList, options);
        QFETCH(QString, onePiece);
        QFETCH(QString, total);
        CalculatorWindow w(true);
        w.choose(toolbar, button);
        const int row = findRow(w, size);
        QVERIFY(row >= 0);
        w.selectRow(row);
        QCOMPARE(w.state().PictureFile, picture);
        if (!length.isEmpty())
            w.type("Text3", length);
        w.type("Text5", pieces);
        for (const QString &option : options)
            w.click(qPrintable(option));
        QCOMPARE(w.text("Text6"), onePiece);
        QCOMPARE(w.text("Text7"), total);
    }
};

QTEST_MAIN(TestEndToEnd)
#include "tst_endtoend.moc"
