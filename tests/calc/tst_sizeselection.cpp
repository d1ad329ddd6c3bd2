// Size selection and the result commands through the real window.

#include "calculatorwindow.h"
#include "fixturetables.h"
#include "catalogue/datasource.h"

#include <QClipboard>
#include <QPushButton>
#include <QGuiApplication>
#include <QTest>

class TestSizeSelection : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia)); }

    // The drawing follows the row: the last row of the first drawing and the first of the
    // second, for every kind drawn in two pictures.
    void rowPicksTheDrawing_data()
    {
        QTest::addColumn<int>("toolbar");
        QTest::addColumn<int>("button");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("picture");
        QTest::newRow("I-beam 16") << 2 << 2 << 16 << "dvut1.jpg";
        QTest::newRow("I-beam 17") << 2 << 2 << 17 << "dvut2.jpg";
        QTest::newRow("rail 3") << 2 << 5 << 3 << "rels1.jpg";
        QTest::newRow("rail 4") << 2 << 5 << 4 << "rels2.jpg";
        QTest::newRow("channel 17") << 2 << 7 << 17 << "sh1.jpg";
        QTest::newRow("channel 18") << 2 << 7 << 18 << "sh2.jpg";
        QTest::newRow("ribbed sheet 7") << 5 << 1 << 7 << "r1.jpg";
        QTest::newRow("ribbed sheet 8") << 5 << 1 << 8 << "r2.jpg";
        QTest::newRow("woven mesh 46") << 3 << 4 << 46 << "s1.jpg";
        QTest::newRow("woven mesh 47") << 3 << 4 << 47 << "s2.jpg";
        QTest::newRow("welded mesh 2") << 3 << 5 << 2 << "ss1.jpg";
        QTest::newRow("welded mesh 3") << 3 << 5 << 3 << "ss2.jpg";
        QTest::newRow("round bars keep theirs") << 2 << 3 << 0 << "krug.jpg";
    }
    void rowPicksTheDrawing()
    {
        QFETCH(int, toolbar);
        QFETCH(int, button);
        QFETCH(int, row);
        QFETCH(QString, picture);
        CalculatorWindow w(FixtureTables::all());
        w.choose(toolbar, button);
        w.selectRow(row);
        QCOMPARE(w.window->CurrentRowPosition(), row);
        QCOMPARE(w.state().PictureFile, picture);
        QVERIFY(!w.get("Image2")->isHidden());
    }

    void wovenMeshRowsSwitchTheRule()
    {
        CalculatorWindow w(FixtureTables::all());
        w.choose(3, 4);
        w.type("Text4", QStringLiteral("10"));
        w.selectRow(47);
        QVERIFY(w.get("O6")->isHidden() && w.get("O7")->isHidden());
        QCOMPARE(w.state().MassColumn, int16_t(6));
        QCOMPARE(w.text("Text7"), QStringLiteral("8,3")); // 0.83 kg/m² × 10 m²
        w.selectRow(46);
        QVERIFY(!w.get("O6")->isHidden() && !w.get("O7")->isHidden());
    }

    // The cell-shape options on the row's two masses: rhombic (column 3), square (column 4).
    void wovenMeshCellShapes_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("preselected");
        QTest::addColumn<QString>("selected");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("massColumn");
        QTest::addColumn<QString>("total");
        QTest::newRow("both, none selected") << 0 << "" << "O6" << "O6 O7" << 3 << "42,0";
        QTest::newRow("both, square selected") << 0 << "O7" << "O7" << "O6 O7" << 4 << "31,0";
        QTest::newRow("rhombic only") << 1 << "O7" << "O6" << "O6" << 3 << "45,0";
        QTest::newRow("square only") << 2 << "" << "O7" << "O7" << 4 << "33,0";
        QTest::newRow("neither") << 3 << "O7" << "O7" << "O6 O7" << 4 << "0,0";
    }
    void wovenMeshCellShapes()
    {
        QFETCH(int, row);
        QFETCH(QString, preselected);
        QFETCH(QString, selected);
        QFETCH(QString, shown);
        QFETCH(int, massColumn);
        QFETCH(QString, total);
        CalculatorWindow w(FixtureTables::all());
        w.choose(3, 4);
        w.type("Text4", QStringLiteral("10"));
        w.selectRow(5);
        if (!preselected.isEmpty())
            w.click(qPrintable(preselected));
        w.selectRow(row);
        QVERIFY(w.get<QRadioButton>(qPrintable(selected))->isChecked());
        QStringList visible;
        for (const char *name : {"O6", "O7"})
            if (!w.get(name)->isHidden())
                visible.append(QString::fromLatin1(name));
        QCOMPARE(visible.join(QLatin1Char(' ')), shown);
        QCOMPARE(int(w.state().MassColumn), massColumn);
        QCOMPARE(w.text("Text7"), total);
    }

    void weldedMeshFixedMasses_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<float>("unitMass");
        QTest::newRow("row 0") << 0 << 2.91f;
        QTest::newRow("row 1") << 1 << 1.93f;
        QTest::newRow("row 2") << 2 << 1.58f;
    }
    void weldedMeshFixedMasses()
    {
        QFETCH(int, row);
        QFETCH(float, unitMass);
        CalculatorWindow w(FixtureTables::all());
        w.choose(3, 5);
        w.selectRow(3);
        w.selectRow(row);
        QCOMPARE(w.state().UnitMass, unitMass);
        for (const char *name : {"o8", "o9", "o10"})
            QVERIFY(w.get(name)->isHidden());
    }

    void weldedMeshRowUsesTheSelectedWire()
    {
        CalculatorWindow w(FixtureTables::all());
        w.choose(3, 5);
        w.click("Option3");
        w.type("Text4", QStringLiteral("1"));
        w.selectRow(3); // 100 x 100, "3мм" selected since start
        for (const char *name : {"o8", "o9", "o10"})
            QVERIFY(!w.get(name)->isHidden());
        QCOMPARE(w.text("Text6"), QStringLiteral("1,092"));
        w.click("o10");
        w.selectRow(4); // 200 x 50: (4.75 + 19 + 2) × 0.144 = 3.708
        QCOMPARE(w.text("Text6"), QStringLiteral("3,708"));
    }

    void weldedMeshAfterACellShapeKeepsItsMass()
    {
        CalculatorWindow w(FixtureTables::all());
        w.choose(3, 4);
        w.selectRow(5); // selects "Ромб", which clears "3мм"
        QVERIFY(w.get<QRadioButton>("O6")->isChecked());
        w.press(3, 5);
        w.selectRow(4);
        QCOMPARE(w.state().UnitMass, 2.91f); // no wire diameter selected: the mass stays
        w.click("o9"); // (4.75 + 19 + 2) × 0.092 = 2.369
        QCOMPARE(w.state().UnitMass, 2.369f);
    }

    void columnChangeInTheSameRowRepeatsTheSteps()
    {
        CalculatorWindow w(FixtureTables::all());
        w.choose(2, 2);
        w.type("Text3", QStringLiteral("1000"));
        w.selectRow(17, 0);
        const QString result = w.text("Text6");
        QCOMPARE(result, QStringLiteral("21,0")); // 21.0 kg/m × 1 m
        w.get<QLineEdit>("Text6")->clear();
        w.selectRow(17, 3);
        QCOMPARE(w.state().PictureFile, QStringLiteral("dvut2.jpg"));
        QCOMPARE(w.text("Text6"), result);
    }

    void copyPutsTheShownText()
    {
        CalculatorWindow w(FixtureTables::all());
        QClipboard *clipboard = QGuiApplication::clipboard();
        clipboard->setText(QStringLiteral("old"));
        w.get<QPushButton>("Command1")->click(); // nothing chosen yet: an empty result
        QCOMPARE(clipboard->text(), QString());
        w.choose(2, 10);
        w.type("Text3", QStringLiteral("6000"));
        w.type("Text5", QStringLiteral("2"));
        w.click("Option5");
        w.click("Option3");
        w.get<QPushButton>("Command1")->click();
        QCOMPARE(clipboard->text(), QStringLiteral("0,063"));
        w.get<QPushButton>("Command2")->click();
        QCOMPARE(clipboard->text(), QStringLiteral("0,126"));
    }

    void growAndShrinkTheDataPanel()
    {
        CalculatorWindow w(FixtureTables::all());
        QWidget *grid = w.get("DBGrid2");
        QWidget *frame = w.get("Frame2");
        const auto heights = [&] { return QList<int>{w.window->height(), frame->height(), grid->height()}; };
        const QList<int> designed = heights(); // 5535, 1935, 1545 twips
        QCOMPARE(designed, (QList<int>{369, 129, 103}));
        w.get<QPushButton>("Command5")->click(); // 1245 is not above 1500: nothing
        QCOMPARE(heights(), designed);
        w.get<QPushButton>("Command4")->click();
        w.get<QPushButton>("Command4")->click();
        QCOMPARE(heights(), (QList<int>{409, 169, 143}));
        for (int i = 0; i < 3; ++i)
            w.get<QPushButton>("Command5")->click();
        QCOMPARE(heights(), designed);
    }
};

QTEST_MAIN(TestSizeSelection)
#include "tst_sizeselection.moc"
