// Checks of the pipe and sheet tables of the built base: electric-welded pipes (ГОСТ 10704-91),
// corrosion-resistant electric-welded pipes (ГОСТ 11068-81), seamless hot-deformed pipes
// (ГОСТ 8732-78), square pipes (ГОСТ 8639-82), ribbed sheet (ГОСТ 8568-77) and hot-rolled sheet
// (ГОСТ 19903). The program reads the mass of 1 m of a pipe at column 2 (the corrosion-resistant
// pipes: D and s at columns 0 and 1), the mass of 1 m² of ribbed sheet at column 4 and the sheet
// thickness at column 0 of the sheet table's select; the sheet table is read through an ORDER BY
// on its integer column `index`.

#include "basetables.h"

#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTest>

#include <cmath>

namespace {

using BaseTables::cellNumber;
using BaseTables::isPlainDecimal;
using BaseTables::decimals;

const QString weldedPipes = QStringLiteral("трубы");
const QString seamlessPipes = QStringLiteral("трубы бесшовные");
const QString squarePipes = QStringLiteral("Труба квадратная");
const QString smoothSheet = QStringLiteral("лист гладкий");
const QString stainlessPipes = QStringLiteral("трубы из нерж");
const QString ribbedSheet = QStringLiteral("лист рифленный");

constexpr double sheetKgPerM2PerMm = 7.85; // 7850 kg/m³ × 1 mm

using BaseTables::pi;

// The mass of 1 m of a round pipe by the formula of ГОСТ 10704-91 and ГОСТ 8732-78, kg.
double pipeFormula(double d, double s)
{
    return 0.02466 * s * (d - s);
}

QString rowText(const QStringList &row)
{
    return row.join(QStringLiteral(" | "));
}

} // namespace

class TestPipesSheet : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void readColumnsPresent_data();
    void readColumnsPresent();
    void tableShape_data();
    void tableShape();
    void pipeMassFollowsFormula_data();
    void pipeMassFollowsFormula();
    void pipeMassOfSize_data();
    void pipeMassOfSize();
    void pipeRowOrder_data();
    void pipeRowOrder();
    void squarePipeMassFromSection();
    void sheetRecordSource();
    void sheetSizes_data();
    void sheetSizes();
    void sheetWidthsNeverNarrowWithThickness();
    void stainlessPipeSizes();
    void ribbedSheetRows();
    void ribbedSheetMass_data();
    void ribbedSheetMass();
};

// Every table the pipe and sheet kinds ask for exists and has the columns read by position.
void TestPipesSheet::readColumnsPresent_data()
{
    QTest::addColumn<QString>("table");
    QTest::addColumn<int>("minColumns");
    QTest::newRow("welded pipes: mass at column 2") << weldedPipes << 3;
    QTest::newRow("corrosion-resistant pipes: D and s at columns 0 and 1") << stainlessPipes << 2;
    QTest::newRow("square pipes: mass at column 2") << squarePipes << 3;
    QTest::newRow("seamless pipes: mass at column 2") << seamlessPipes << 3;
    QTest::newRow("ribbed sheet: mass of 1 m² at column 4") << ribbedSheet << 5;
    QTest::newRow("smooth sheet: thickness and the ordering column") << smoothSheet << 5;
}

void TestPipesSheet::readColumnsPresent()
{
    QFETCH(QString, table);
    QFETCH(int, minColumns);
    const QStringList columns = BaseTables::columns(table);
    QVERIFY2(!columns.isEmpty(), qPrintable(table + QStringLiteral(" is missing")));
    QVERIFY2(columns.size() >= minColumns, qPrintable(columns.join(QStringLiteral(", "))));
}

// Every table has the columns the program reads, the number of sizes written from the
// sources, and a plain figure in every cell that is read.
void TestPipesSheet::tableShape_data()
{
    QTest::addColumn<QString>("table");
    QTest::addColumn<int>("minColumns");
    QTest::addColumn<QList<int>>("figureColumns");
    QTest::addColumn<int>("rowCount");

    QTest::newRow("welded pipes: D, s, mass of 1 m")
        << weldedPipes << 3 << QList<int>{0, 1, 2} << 804;
    QTest::newRow("seamless pipes: D, s, mass of 1 m")
        << seamlessPipes << 3 << QList<int>{0, 1, 2} << 1622;
    QTest::newRow("square pipes: A, s, mass of 1 m, section area")
        << squarePipes << 4 << QList<int>{0, 1, 2, 3} << 145;
    QTest::newRow("ribbed sheet: thickness, mass of 1 m²")
        << ribbedSheet << 5 << QList<int>{0, 2, 4} << 16;
    QTest::newRow("smooth sheet: thickness, largest width and length, index")
        << smoothSheet << 5 << QList<int>{0, 1, 2, 4} << 76;
}

void TestPipesSheet::tableShape()
{
    QFETCH(QString, table);
    QFETCH(int, minColumns);
    QFETCH(QList<int>, figureColumns);
    QFETCH(int, rowCount);

    QVERIFY2(BaseTables::columns(table).size() >= minColumns,
             qPrintable(BaseTables::columns(table).join(QStringLiteral(", "))));
    const QList<QStringList> rows = BaseTables::rows(table);
    QCOMPARE(rows.size(), rowCount);
    for (const QStringList &row : rows) {
        for (int column : figureColumns)
            QVERIFY2(isPlainDecimal(row.value(column)), qPrintable(rowText(row)));
    }
}

// Each stored mass is the standard's formula rounded as the table prints it: three decimals
// below 1 kg, two from 1 kg.
void TestPipesSheet::pipeMassFollowsFormula_data()
{
    QTest::addColumn<QString>("table");
    QTest::newRow("welded pipes ГОСТ 10704-91") << weldedPipes;
    QTest::newRow("seamless pipes ГОСТ 8732-78") << seamlessPipes;
}

void TestPipesSheet::pipeMassFollowsFormula()
{
    QFETCH(QString, table);
    const QList<QStringList> rows = BaseTables::rows(table);
    QVERIFY(!rows.isEmpty());
    for (const QStringList &row : rows) {
        const double formula = pipeFormula(cellNumber(row.value(0)), cellNumber(row.value(1)));
        const QString mass = row.value(2);
        const int places = decimals(mass);
        QVERIFY2(places == (formula < 1.0 ? 3 : 2), qPrintable(rowText(row)));
        const double halfUnit = 0.5 * std::pow(10.0, -places);
        QVERIFY2(std::fabs(cellNumber(mass) - formula) <= halfUnit + 1e-9,
                 qPrintable(QStringLiteral("%1: formula %2").arg(rowText(row)).arg(formula, 0, 'f', 5)));
    }
}

// Single sizes with the mass worked out by hand (or, for the seamless pipes, printed in the
// table): 0.02466 × s × (D − s).
void TestPipesSheet::pipeMassOfSize_data()
{
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("diameter");
    QTest::addColumn<QString>("wall");
    QTest::addColumn<QString>("mass");

    // 0.02466 × 1.0 × 9.0 = 0.22194
    QTest::newRow("welded 10x1.0, smallest size") << weldedPipes << "10" << "1.0" << "0.222";
    // 0.02466 × 1.2 × 8.8 = 0.260410: the trailing zero stays
    QTest::newRow("welded 10x1.2, three decimals kept") << weldedPipes << "10" << "1.2" << "0.260";
    // 0.02466 × 3.5 × 53.5 = 4.617585
    QTest::newRow("welded 57x3.5") << weldedPipes << "57" << "3.5" << "4.62";
    // 0.02466 × 6 × 213 = 31.51548
    QTest::newRow("welded 219x6.0") << weldedPipes << "219" << "6.0" << "31.52";
    // 0.02466 × 17.5 × 512.5 = 221.169375
    QTest::newRow("welded 530x17.5") << weldedPipes << "530" << "17.5" << "221.17";
    // 0.02466 × 20 × 1400 = 690.48
    QTest::newRow("welded 1420x20, largest size") << weldedPipes << "1420" << "20" << "690.48";
    // printed 1.08; 0.02466 × 2.5 × 17.5 = 1.078875
    QTest::newRow("seamless 20x2.5, smallest size") << seamlessPipes << "20" << "2.5" << "1.08";
    // 0.02466 × 4 × 104 = 10.25856
    QTest::newRow("seamless 108x4.0") << seamlessPipes << "108" << "4.0" << "10.26";
    // printed 438.55; 0.02466 × 36 × 494 = 438.55344
    QTest::newRow("seamless 530x36, largest of the first extract") << seamlessPipes << "530" << "36" << "438.55";
    // 0.02466 × 6.5 × 18.5 = 2.965365: a wall in brackets in the standard
    QTest::newRow("seamless 25x6.5") << seamlessPipes << "25" << "6.5" << "2.97";
    // 0.02466 × 6.5 × 69.5 = 11.140155 (the workbook's mass 11.24 is a slip)
    QTest::newRow("seamless 76x6.5") << seamlessPipes << "76" << "6.5" << "11.14";
    // 0.02466 × 9 × 456 = 101.20464: a diameter in brackets in the standard
    QTest::newRow("seamless 465x9.0") << seamlessPipes << "465" << "9.0" << "101.20";
    // 0.02466 × 40 × 440 = 434.016 (the workbook's 436.04 is a slip)
    QTest::newRow("seamless 480x40") << seamlessPipes << "480" << "40" << "434.02";
    // 0.02466 × 75 × 475 = 878.5125
    QTest::newRow("seamless 550x75, largest size") << seamlessPipes << "550" << "75" << "878.51";
    // ГОСТ 8639-82 as printed: 0.283 cm², 0.222 kg
    QTest::newRow("square 10x0.8, smallest size") << squarePipes << "10" << "0.8" << "0.222";
    // 0.743 cm² × 0.785 = 0.583
    QTest::newRow("square 20x1.0") << squarePipes << "20" << "1.0" << "0.583";
    // 8.68 cm² × 0.785 = 6.814, printed 6.82 (from the unrounded 8.685 cm²)
    QTest::newRow("square 60x4.0") << squarePipes << "60" << "4.0" << "6.82";
    // 89.59 cm² × 0.785 = 70.33
    QTest::newRow("square 180x14.0, largest size") << squarePipes << "180" << "14.0" << "70.33";
}

void TestPipesSheet::pipeMassOfSize()
{
    QFETCH(QString, table);
    QFETCH(QString, diameter);
    QFETCH(QString, wall);
    QFETCH(QString, mass);

    int found = 0;
    for (const QStringList &row : BaseTables::rows(table)) {
        if (row.value(0) == diameter && row.value(1) == wall) {
            ++found;
            QCOMPARE(row.value(2), mass);
        }
    }
    QCOMPARE(found, 1);
}

// The sizes come as the tables list them: by outer diameter, and within a diameter by wall.
void TestPipesSheet::pipeRowOrder_data()
{
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("firstDiameter");
    QTest::addColumn<QString>("lastDiameter");
    QTest::newRow("welded pipes 10 to 1420 mm") << weldedPipes << "10" << "1420";
    QTest::newRow("seamless pipes 20 to 550 mm") << seamlessPipes << "20" << "550";
    QTest::newRow("square pipes 10 to 180 mm") << squarePipes << "10" << "180";
}

void TestPipesSheet::pipeRowOrder()
{
    QFETCH(QString, table);
    QFETCH(QString, firstDiameter);
    QFETCH(QString, lastDiameter);

    const QList<QStringList> rows = BaseTables::rows(table);
    QVERIFY(rows.size() > 1);
    QCOMPARE(rows.first().value(0), firstDiameter);
    QCOMPARE(rows.last().value(0), lastDiameter);
    for (qsizetype i = 1; i < rows.size(); ++i) {
        const double d0 = cellNumber(rows[i - 1].value(0));
        const double d1 = cellNumber(rows[i].value(0));
        const bool ordered = d1 > d0
                             || (d1 == d0 && cellNumber(rows[i].value(1)) > cellNumber(rows[i - 1].value(1)));
        QVERIFY2(ordered, qPrintable(rowText(rows[i - 1]) + QStringLiteral(" then ") + rowText(rows[i])));
    }
}

// ГОСТ 8639-82 gives the mass at 7.85 g/cm³ from the section area, and the area for an outer
// corner radius R = 1.5 s (inner r = R − s): 4As − 4s² − (4 − π)(R² − r²) = 4As − 4s² − 2(4 − π)s².
// The table prints the area to its last digit within one unit (some areas are cut down, 30x3.0:
// 3.0855 cm² printed 3.08) and the mass within one unit of 0.785 kg per cm² of the exact or the
// printed area (20x1.4: 1.01 cm² printed, 0.791 kg from 1.008 cm²).
void TestPipesSheet::squarePipeMassFromSection()
{
    const QList<QStringList> rows = BaseTables::rows(squarePipes);
    QVERIFY(!rows.isEmpty());
    for (const QStringList &row : rows) {
        const double a = cellNumber(row.value(0));
        const double s = cellNumber(row.value(1));
        const double area = cellNumber(row.value(3));
        const double mass = cellNumber(row.value(2));
        const double sectionCm2 = (4 * a * s - 4 * s * s - 2 * (4 - pi) * s * s) / 100.0;
        const double areaUnit = std::pow(10.0, -decimals(row.value(3)));
        const double massUnit = std::pow(10.0, -decimals(row.value(2)));
        QVERIFY2(std::fabs(area - sectionCm2) <= areaUnit + 1e-9,
                 qPrintable(QStringLiteral("%1: section %2").arg(rowText(row)).arg(sectionCm2, 0, 'f', 4)));
        const bool fromExact = std::fabs(mass - sectionCm2 * 0.785) <= massUnit + 1e-9;
        const bool fromPrinted = std::fabs(mass - area * 0.785) <= massUnit + 1e-9;
        QVERIFY2(fromExact || fromPrinted, qPrintable(rowText(row)));
    }
}

// The sheet kind reads "select [Толщина а, мм], [МАХ ширина листа b, мм], [МАХ длина листа, мм],
// ГОСТ from [лист гладкий] order by index": the named columns exist, `index` is stored as an
// integer 1, 2, 3 ... and the rows then come by ascending thickness. Every figure is of the 1974
// edition, and the ГОСТ column says so.
void TestPipesSheet::sheetRecordSource()
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("sheet-check"));
    db.setDatabaseName(QStringLiteral(MORVEX_PROGRAM_DIR "base.mdb"));
    db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
    QVERIFY(db.open());
    {
        QSqlQuery query(db);
        QVERIFY2(query.exec(QStringLiteral(
                     "select \"Толщина а, мм\", \"МАХ ширина листа b, мм\", \"МАХ длина листа, мм\", "
                     "\"ГОСТ\", typeof(\"index\"), \"index\" from \"лист гладкий\" order by \"index\"")),
                 qPrintable(query.lastError().text()));
        int expectedIndex = 1;
        double previousThickness = 0.0;
        while (query.next()) {
            QCOMPARE(query.value(4).toString(), QStringLiteral("integer"));
            QCOMPARE(query.value(5).toInt(), expectedIndex);
            const QString thickness = query.value(0).toString();
            QVERIFY2(isPlainDecimal(thickness), qPrintable(thickness));
            QVERIFY2(cellNumber(thickness) > previousThickness, qPrintable(thickness));
            QCOMPARE(query.value(3).toString(), QStringLiteral("19903-74"));
            previousThickness = cellNumber(thickness);
            ++expectedIndex;
        }
        QVERIFY(expectedIndex > 1);
    }
    db.close();
    db = QSqlDatabase();
    QSqlDatabase::removeDatabase(QStringLiteral("sheet-check"));
}

// Single thicknesses of ГОСТ 19903-74 with the largest width and the largest length that the
// sheet-size table gives them, as read in the sortament workbook: the first and the last
// thickness, and the thicknesses where the width or length series changes.
void TestPipesSheet::sheetSizes_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("thickness");
    QTest::addColumn<QString>("width");
    QTest::addColumn<QString>("length");

    QTest::newRow("0.5 mm, thinnest in the table") << 0 << "0.5" << "710" << "1420";
    QTest::newRow("0.65 mm, longer sheets than 0.6 mm") << 3 << "0.65" << "710" << "2000";
    QTest::newRow("1.2 mm") << 9 << "1.2" << "1250" << "3000";
    QTest::newRow("1.5 mm, 6 m sheets") << 12 << "1.5" << "1500" << "6000";
    QTest::newRow("3.9 mm") << 23 << "3.9" << "1800" << "6000";
    QTest::newRow("8.0 mm, 12 m sheets") << 29 << "8.0" << "2500" << "12000";
    QTest::newRow("10 mm, first whole figure") << 31 << "10" << "2500" << "12000";
    QTest::newRow("25 mm, next after 22 mm") << 44 << "25" << "2800" << "12000";
    QTest::newRow("26 mm") << 45 << "26" << "3600" << "12000";
    QTest::newRow("42 mm, widest and shorter") << 53 << "42" << "3800" << "9000";
    QTest::newRow("160 mm, thickest") << 75 << "160" << "3800" << "9000";
}

void TestPipesSheet::sheetSizes()
{
    QFETCH(int, position);
    QFETCH(QString, thickness);
    QFETCH(QString, width);
    QFETCH(QString, length);

    const QList<QStringList> rows = BaseTables::rows(smoothSheet);
    QVERIFY(rows.size() > position);
    const QStringList &row = rows.at(position);
    QCOMPARE(row.value(0), thickness);
    QCOMPARE(row.value(1), width);
    QCOMPARE(row.value(2), length);
    QCOMPARE(row.value(4), QString::number(position + 1));
}

// A thicker sheet is rolled at least as wide as a thinner one (the width series of the standard
// only grow: 710 mm at 0.5 mm to 3800 mm from 42 mm), every width is at least the standard's
// 500 mm in whole tens of millimetres, and a sheet is longer than it is wide.
void TestPipesSheet::sheetWidthsNeverNarrowWithThickness()
{
    const QList<QStringList> rows = BaseTables::rows(smoothSheet);
    QVERIFY(!rows.isEmpty());
    double previousWidth = 0.0;
    for (const QStringList &row : rows) {
        const double width = cellNumber(row.value(1));
        const double length = cellNumber(row.value(2));
        QVERIFY2(width >= previousWidth, qPrintable(rowText(row)));
        QVERIFY2(width >= 500.0 && std::fmod(width, 10.0) == 0.0, qPrintable(rowText(row)));
        QVERIFY2(length > width, qPrintable(rowText(row)));
        previousWidth = width;
    }
}

// The program works the mass out from D and s (column 0 and 1): both are plain figures and the
// wall leaves a bore.
void TestPipesSheet::stainlessPipeSizes()
{
    const QList<QStringList> rows = BaseTables::rows(stainlessPipes);
    if (rows.isEmpty())
        QSKIP("no rows yet: the size table of ГОСТ 11068-81 was not available (see the table's note)");
    for (const QStringList &row : rows) {
        QVERIFY2(isPlainDecimal(row.value(0)) && isPlainDecimal(row.value(1)), qPrintable(rowText(row)));
        QVERIFY2(cellNumber(row.value(1)) > 0 && cellNumber(row.value(0)) > 2 * cellNumber(row.value(1)),
                 qPrintable(rowText(row)));
    }
}

// Rows 0 to 7 are the rhombic ribbing (drawing r1.jpg), the rows after them the lentil ribbing;
// ГОСТ 8568-77 gives both for the same eight thicknesses, 2.5 to 12 mm, each kind thinnest first.
// The mass of 1 m² is that of the base sheet, s × 7.85 kg, plus the ribs: more than the base, and
// the ribs of a few millimetres weigh a few kilograms per m², far below another 10 kg.
void TestPipesSheet::ribbedSheetRows()
{
    const QList<QStringList> rows = BaseTables::rows(ribbedSheet);
    QCOMPARE(rows.size(), 16);
    const QStringList thicknesses = QStringLiteral("2.5 3.0 4.0 5.0 6.0 8.0 10.0 12.0").split(QLatin1Char(' '));
    for (qsizetype i = 0; i < rows.size(); ++i) {
        const QStringList &row = rows[i];
        const bool rhombic = row.value(1).contains(QStringLiteral("ромб"), Qt::CaseInsensitive);
        const bool lentil = row.value(1).contains(QStringLiteral("чечев"), Qt::CaseInsensitive);
        QVERIFY2(rhombic == (i < 8) && lentil == (i >= 8), qPrintable(rowText(row)));
        QCOMPARE(row.value(0), thicknesses.at(i % 8));
        QVERIFY2(isPlainDecimal(row.value(0)) && isPlainDecimal(row.value(4)), qPrintable(rowText(row)));
        const double base = cellNumber(row.value(0)) * sheetKgPerM2PerMm;
        const double ribs = cellNumber(row.value(4)) - base;
        QVERIFY2(ribs > 0 && ribs < 10, qPrintable(rowText(row)));
    }
}

// Single sheets as ГОСТ 8568-77 prints them, with the base sheet worked by hand.
void TestPipesSheet::ribbedSheetMass_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("thickness");
    QTest::addColumn<QString>("ribBase");
    QTest::addColumn<QString>("mass");

    // base 2.5 × 7.85 = 19.625 kg, ribs 1.375 kg
    QTest::newRow("rhombic 2.5 mm, first row") << 0 << "2.5" << "5.0" << "21.0";
    // base 31.4 kg, ribs 2.1 kg
    QTest::newRow("rhombic 4.0 mm") << 2 << "4.0" << "5.0" << "33.5";
    // base 94.2 kg, ribs 5.1 kg
    QTest::newRow("rhombic 12.0 mm, last rhombic row") << 7 << "12.0" << "5.0" << "99.3";
    // base 19.625 kg, ribs 0.475 kg
    QTest::newRow("lentil 2.5 mm, first lentil row") << 8 << "2.5" << "3.6" << "20.1";
    // base 47.1 kg, ribs 1.4 kg
    QTest::newRow("lentil 6.0 mm") << 12 << "6.0" << "5.0" << "48.5";
    // base 94.2 kg, ribs 2.6 kg
    QTest::newRow("lentil 12.0 mm, last row") << 15 << "12.0" << "6.0" << "96.8";
}

void TestPipesSheet::ribbedSheetMass()
{
    QFETCH(int, position);
    QFETCH(QString, thickness);
    QFETCH(QString, ribBase);
    QFETCH(QString, mass);

    const QList<QStringList> rows = BaseTables::rows(ribbedSheet);
    QVERIFY(rows.size() > position);
    QCOMPARE(rows.at(position).value(0), thickness);
    QCOMPARE(rows.at(position).value(2), ribBase);
    QCOMPARE(rows.at(position).value(4), mass);
}

QTEST_GUILESS_MAIN(TestPipesSheet)
#include "tst_pipes_sheet.moc"
