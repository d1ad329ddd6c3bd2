// Checks of the tables of the standards in use today: flat bar (ГОСТ 103-2006), square and
// rectangular tubes (ГОСТ 30245-2003), I-beams (ГОСТ Р 57837-2017), rebar (ГОСТ 34028-2016)
// and the high-strength bolts, nuts and washers (ГОСТ Р 52644-2006, 52645-2006, 52646-2006).
// Each figure is held against the standard's own rule where it has one: the mass of a flat bar
// and of a rebar from its nominal size, the mass of a section from its area, the area of a
// section from its dimensions; the fastener masses against their order and the mass of the
// steel a longer bolt adds.

#include "basetables.h"

#include <QRegularExpression>
#include <QTest>

#include <cmath>

namespace {

using BaseTables::cellNumber;
using BaseTables::decimals;
using BaseTables::isPlainDecimal;
using BaseTables::isPlainInteger;
using BaseTables::kgPerMetrePerCm2;
using BaseTables::pi;

const QString flatBar = QStringLiteral("полоса");
const QString profileTubes = QStringLiteral("трубы профильные");
const QString iBeams = QStringLiteral("двутавр 57837");
const QString rebar = QStringLiteral("арматура 34028");
const QString bolts = QStringLiteral("болты высокопрочные");
const QString nuts = QStringLiteral("гайки высокопрочные");
const QString washers = QStringLiteral("шайбы высокопрочные");

// Rounding slack of a double comparison.
constexpr double eps = 1e-9;

QString rowText(const QStringList &row)
{
    return row.join(QStringLiteral(" | "));
}

// Half a unit of the last digit written in a cell.
double halfUnit(const QString &cell)
{
    return 0.5 * std::pow(10.0, -double(decimals(cell)));
}

// The mass of 1 m of flat bar b × t mm, kg: steel of 7.85 g/cm³.
double flatBarMass(double width, double thickness)
{
    return width * thickness * 7.85e-3;
}

// The outer corner radius the tube table follows: 2t up to 6 mm, 2.5t up to 10 mm, 3t above.
double tubeOuterRadius(double wall)
{
    return wall <= 6.0 ? 2.0 * wall : wall <= 10.0 ? 2.5 * wall : 3.0 * wall;
}

// Section area of a closed tube H × B × t with outer corner radius R and inner radius R − t, cm².
double tubeArea(double height, double width, double wall, double radius)
{
    const double inner = radius - wall;
    return (2.0 * wall * (height + width - 2.0 * wall) - (4.0 - pi) * (radius * radius - inner * inner)) / 100.0;
}

// Section area of an I-beam with parallel flange faces and root radius r, cm².
double iBeamArea(double h, double b, double s, double t, double r)
{
    return (2.0 * b * t + (h - 2.0 * t) * s + (4.0 - pi) * r * r) / 100.0;
}

} // namespace

class TestNewStandards : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void tableShape_data();
    void tableShape();
    void flatBarMassFollowsWidthAndThickness();
    void flatBarMassAsPrinted_data();
    void flatBarMassAsPrinted();
    void flatBarSizesInOrder();
    void sectionMassFromArea_data();
    void sectionMassFromArea();
    void tubeAreaFromDimensions();
    void tubesSquareFirstThenRectangular();
    void iBeamAreaFromDimensions();
    void iBeamDesignationsInStandardOrder();
    void iBeamAreaGrowsWithinNumber();
    void rebarAreaAndMassFromDiameter();
    void rebarDiametersInOrder();
    void boltSizesInOrder();
    void boltMassGainPerLengthWithinRodBounds();
    void fastenerMassAsPrinted_data();
    void fastenerMassAsPrinted();
    void nutAndWasherMassesGrowWithDiameter_data();
    void nutAndWasherMassesGrowWithDiameter();
    void nutHeightNearThreadDiameter();
};

// Every table has its columns in the order written, the number of rows entered from the
// sources, and a plain figure with a point in every figure cell.
void TestNewStandards::tableShape_data()
{
    QTest::addColumn<QString>("table");
    QTest::addColumn<QStringList>("header");
    QTest::addColumn<int>("rowCount");
    QTest::addColumn<QList<int>>("figureColumns");

    QTest::newRow("flat bar ГОСТ 103-2006")
        << flatBar << QStringList{"Ширина b, мм", "Толщина t, мм", "Масса 1 м, кг"} << 605 << QList<int>{0, 1, 2};
    QTest::newRow("tubes ГОСТ 30245-2003")
        << profileTubes
        << QStringList{"H, мм", "B, мм", "t, мм", "Масса 1 м, кг", "Площадь сечения, см2", "R, мм"} << 579
        << QList<int>{0, 1, 2, 3, 4, 5};
    QTest::newRow("I-beams ГОСТ Р 57837-2017")
        << iBeams
        << QStringList{"Номер", "h, мм", "b, мм", "s, мм", "t, мм", "Масса 1 м, кг", "Площадь сечения, см2", "r, мм"}
        << 301 << QList<int>{1, 2, 3, 4, 5, 6, 7};
    QTest::newRow("rebar ГОСТ 34028-2016")
        << rebar
        << QStringList{"Номинальный диаметр, мм", "Площадь номинального сечения, см2", "Масса 1 м, кг"} << 29
        << QList<int>{0, 1, 2};
    QTest::newRow("bolts ГОСТ Р 52644-2006")
        << bolts << QStringList{"Диаметр резьбы d, мм", "Длина болта l, мм", "Масса 1000 шт., кг"} << 247
        << QList<int>{0, 1, 2};
    QTest::newRow("nuts ГОСТ Р 52645-2006")
        << nuts << QStringList{"Диаметр резьбы d, мм", "Масса 1000 шт., кг", "Шаг резьбы P, мм", "Высота m, мм"} << 9
        << QList<int>{0, 1, 2, 3};
    QTest::newRow("washers ГОСТ Р 52646-2006: d1 and d2 not found")
        << washers
        << QStringList{"Диаметр резьбы d, мм", "Диаметр отверстия d1, мм", "Наружный диаметр d2, мм", "Толщина s, мм",
                       "Масса 1000 шт., кг"}
        << 10 << QList<int>{0, 3, 4};
}

void TestNewStandards::tableShape()
{
    QFETCH(QString, table);
    QFETCH(QStringList, header);
    QFETCH(int, rowCount);
    QFETCH(QList<int>, figureColumns);

    QCOMPARE(BaseTables::columns(table), header);
    const QList<QStringList> rows = BaseTables::rows(table);
    QCOMPARE(rows.size(), rowCount);
    for (const QStringList &row : rows) {
        QCOMPARE(row.size(), header.size());
        for (int column : figureColumns)
            QVERIFY2(isPlainDecimal(row.value(column)) && cellNumber(row.value(column)) > 0.0, qPrintable(rowText(row)));
    }
}

// ГОСТ 103-2006 works the mass from the nominal size: b × t × 7.85e-3 kg, rounded half up to
// three decimals (the one size whose third decimal is a zero may drop it).
void TestNewStandards::flatBarMassFollowsWidthAndThickness()
{
    const QList<QStringList> rows = BaseTables::rows(flatBar);
    QVERIFY(!rows.isEmpty());
    for (const QStringList &row : rows) {
        const QString mass = row.value(2);
        QVERIFY2(decimals(mass) == 3 || decimals(mass) == 2, qPrintable(rowText(row)));
        // b × t × 785 is a whole number of 1e-5 kg: rounded half up to grams, exactly.
        const qint64 hundredThousandths = row.value(0).toLongLong() * row.value(1).toLongLong() * 785;
        const qint64 grams = (hundredThousandths + 50) / 100;
        QVERIFY2(std::llround(cellNumber(mass) * 1000.0) == grams,
                 qPrintable(QStringLiteral("%1: b × t × 0.00785 = %2")
                                .arg(rowText(row))
                                .arg(flatBarMass(cellNumber(row.value(0)), cellNumber(row.value(1))), 0, 'f', 5)));
    }
}

// Single sizes worked by hand, where the rounding decides the last digit.
void TestNewStandards::flatBarMassAsPrinted_data()
{
    QTest::addColumn<QString>("width");
    QTest::addColumn<QString>("thickness");
    QTest::addColumn<QString>("mass");

    // 10 × 5 × 0.00785 = 0.3925: half up
    QTest::newRow("10x5, smallest width") << "10" << "5" << "0.393";
    // 120 × 35 × 0.00785 = 32.97
    QTest::newRow("120x35, trailing zero kept") << "120" << "35" << "32.970";
    // 110 × 12 × 0.00785 = 10.362
    QTest::newRow("110x12") << "110" << "12" << "10.362";
    // 150 × 80 × 0.00785 = 94.2: the thickest bar
    QTest::newRow("150x80, thickest") << "150" << "80" << "94.200";
    // 200 × 60 × 0.00785 = 94.2
    QTest::newRow("200x60, widest") << "200" << "60" << "94.200";
}

void TestNewStandards::flatBarMassAsPrinted()
{
    QFETCH(QString, width);
    QFETCH(QString, thickness);
    QFETCH(QString, mass);
    int found = 0;
    for (const QStringList &row : BaseTables::rows(flatBar)) {
        if (row.value(0) == width && row.value(1) == thickness) {
            QCOMPARE(row.value(2), mass);
            ++found;
        }
    }
    QCOMPARE(found, 1);
}

// Widths from 10 to 200 mm, thicknesses from 4 to 80 mm (the standard's range), whole
// millimetres, by width and within a width by thickness, each size once.
void TestNewStandards::flatBarSizesInOrder()
{
    const QList<QStringList> rows = BaseTables::rows(flatBar);
    QVERIFY(!rows.isEmpty());
    QCOMPARE(rows.first().value(0), QStringLiteral("10"));
    QCOMPARE(rows.last().value(0), QStringLiteral("200"));
    for (qsizetype i = 0; i < rows.size(); ++i) {
        const QStringList &row = rows.at(i);
        QVERIFY2(isPlainInteger(row.value(0)) && isPlainInteger(row.value(1)), qPrintable(rowText(row)));
        const double width = cellNumber(row.value(0));
        const double thickness = cellNumber(row.value(1));
        QVERIFY2(width >= 10 && width <= 200 && thickness >= 4 && thickness <= 80, qPrintable(rowText(row)));
        if (i == 0)
            continue;
        const QStringList &before = rows.at(i - 1);
        const double widthBefore = cellNumber(before.value(0));
        QVERIFY2(width > widthBefore || (width == widthBefore && thickness > cellNumber(before.value(1))),
                 qPrintable(rowText(before) + QStringLiteral(" then ") + rowText(row)));
    }
}

// The mass of 1 m is the area × 0.785 kg/m per cm²: the tubes within the rounding of both
// printed figures (the standard works the mass from the unrounded area), the I-beams within
// 0.1 kg beyond the last printed digit.
void TestNewStandards::sectionMassFromArea_data()
{
    QTest::addColumn<QString>("table");
    QTest::addColumn<int>("massColumn");
    QTest::addColumn<int>("areaColumn");
    QTest::addColumn<double>("slack");
    QTest::newRow("tubes ГОСТ 30245-2003") << profileTubes << 3 << 4 << 0.0;
    QTest::newRow("I-beams ГОСТ Р 57837-2017") << iBeams << 5 << 6 << 0.1;
}

void TestNewStandards::sectionMassFromArea()
{
    QFETCH(QString, table);
    QFETCH(int, massColumn);
    QFETCH(int, areaColumn);
    QFETCH(double, slack);
    const QList<QStringList> rows = BaseTables::rows(table);
    QVERIFY(!rows.isEmpty());
    for (const QStringList &row : rows) {
        const QString mass = row.value(massColumn);
        const QString area = row.value(areaColumn);
        const double fromArea = cellNumber(area) * kgPerMetrePerCm2;
        const double allowed = kgPerMetrePerCm2 * halfUnit(area) + halfUnit(mass) + slack + eps;
        QVERIFY2(std::fabs(cellNumber(mass) - fromArea) <= allowed,
                 qPrintable(QStringLiteral("%1: area × 0.785 = %2").arg(rowText(row)).arg(fromArea, 0, 'f', 3)));
    }
}

// The area of each tube follows from H, B, t and the corner radius R of its row (inner radius
// R − t), and R is the one the table's rule gives for the wall.
void TestNewStandards::tubeAreaFromDimensions()
{
    const QList<QStringList> rows = BaseTables::rows(profileTubes);
    QVERIFY(!rows.isEmpty());
    for (const QStringList &row : rows) {
        const double wall = cellNumber(row.value(2));
        const double radius = cellNumber(row.value(5));
        QVERIFY2(std::fabs(radius - tubeOuterRadius(wall)) <= eps, qPrintable(rowText(row)));
        const double area = tubeArea(cellNumber(row.value(0)), cellNumber(row.value(1)), wall, radius);
        const QString printed = row.value(4);
        QVERIFY2(std::fabs(cellNumber(printed) - area) <= halfUnit(printed) + 0.002,
                 qPrintable(QStringLiteral("%1: area %2").arg(rowText(row)).arg(area, 0, 'f', 4)));
    }
}

// The square tubes (B = H) come first, then the rectangular ones (B < H); within each, by H,
// then B, then the wall, each size once.
void TestNewStandards::tubesSquareFirstThenRectangular()
{
    const QList<QStringList> rows = BaseTables::rows(profileTubes);
    QVERIFY(!rows.isEmpty());
    bool rectangular = false;
    int squares = 0;
    for (qsizetype i = 0; i < rows.size(); ++i) {
        const QStringList &row = rows.at(i);
        const double height = cellNumber(row.value(0));
        const double width = cellNumber(row.value(1));
        const double wall = cellNumber(row.value(2));
        QVERIFY2(width <= height && 2.0 * wall < width, qPrintable(rowText(row)));
        if (width < height)
            rectangular = true;
        else
            ++squares;
        QVERIFY2(!(rectangular && width == height), qPrintable(rowText(row)));
        if (i == 0 || (rectangular && cellNumber(rows.at(i - 1).value(1)) == cellNumber(rows.at(i - 1).value(0))))
            continue;
        const QStringList &before = rows.at(i - 1);
        const double h0 = cellNumber(before.value(0));
        const double b0 = cellNumber(before.value(1));
        const double t0 = cellNumber(before.value(2));
        const bool later = height > h0 || (height == h0 && (width > b0 || (width == b0 && wall > t0)));
        QVERIFY2(later, qPrintable(rowText(before) + QStringLiteral(" then ") + rowText(row)));
    }
    QCOMPARE(squares, 155);
}

// The area of each I-beam follows from h, b, s, t and r within 1 % (the standard rounds the
// root fillets its own way: the largest departure in the table, 14ДК3, is 0.6 %).
void TestNewStandards::iBeamAreaFromDimensions()
{
    const QList<QStringList> rows = BaseTables::rows(iBeams);
    QVERIFY(!rows.isEmpty());
    for (const QStringList &row : rows) {
        const double area = iBeamArea(cellNumber(row.value(1)), cellNumber(row.value(2)), cellNumber(row.value(3)),
                                      cellNumber(row.value(4)), cellNumber(row.value(7)));
        const double printed = cellNumber(row.value(6));
        QVERIFY2(std::fabs(printed - area) <= 0.01 * area,
                 qPrintable(QStringLiteral("%1: area %2").arg(rowText(row)).arg(area, 0, 'f', 3)));
    }
}

// "<number><type><index>" with the types in the standard's order Б, Ш, К, С, ДБ, ДК and the
// numbers growing within a type; the index is a digit (a Cyrillic З in its place is a typo of
// the source) or a half ("35К1,5").
void TestNewStandards::iBeamDesignationsInStandardOrder()
{
    static const QRegularExpression designation(QStringLiteral("^(\\d+)(Б|Ш|К|С|ДБ|ДК)(\\d+(?:,5)?)$"));
    const QStringList types{"Б", "Ш", "К", "С", "ДБ", "ДК"};
    const QList<QStringList> rows = BaseTables::rows(iBeams);
    QVERIFY(!rows.isEmpty());
    qsizetype typeBefore = 0;
    int numberBefore = 0;
    QStringList seen;
    for (const QStringList &row : rows) {
        const QRegularExpressionMatch match = designation.match(row.value(0));
        QVERIFY2(match.hasMatch(), qPrintable(rowText(row)));
        QVERIFY2(!seen.contains(row.value(0)), qPrintable(rowText(row)));
        seen.append(row.value(0));
        const qsizetype type = types.indexOf(match.captured(2));
        const int number = match.captured(1).toInt();
        QVERIFY2(type > typeBefore || (type == typeBefore && number >= numberBefore), qPrintable(rowText(row)));
        typeBefore = type;
        numberBefore = number;
    }
    QCOMPARE(typeBefore, types.size() - 1);
}

// Within one number of the types Б, Ш, К and С the section grows with the index (the ДБ and
// ДК numbers group beams of several flange widths, so their areas go up and down).
void TestNewStandards::iBeamAreaGrowsWithinNumber()
{
    static const QRegularExpression head(QStringLiteral("^(\\d+(?:Б|Ш|К|С))\\d"));
    const QList<QStringList> rows = BaseTables::rows(iBeams);
    QVERIFY(!rows.isEmpty());
    QString groupBefore;
    double areaBefore = 0.0;
    int compared = 0;
    for (const QStringList &row : rows) {
        const QRegularExpressionMatch match = head.match(row.value(0));
        const QString group = match.hasMatch() ? match.captured(1) : QString();
        const double area = cellNumber(row.value(6));
        if (!group.isEmpty() && group == groupBefore) {
            QVERIFY2(area > areaBefore, qPrintable(rowText(row)));
            ++compared;
        }
        groupBefore = group;
        areaBefore = area;
    }
    QVERIFY(compared > 150);
}

// ГОСТ 34028-2016: the nominal area is π d²/4, the mass 0.785 kg/m per cm² of it, both to three
// decimals (the mass from the exact area or from the printed one).
void TestNewStandards::rebarAreaAndMassFromDiameter()
{
    const QList<QStringList> rows = BaseTables::rows(rebar);
    QVERIFY(!rows.isEmpty());
    for (const QStringList &row : rows) {
        const double diameter = cellNumber(row.value(0)) / 10.0; // cm
        const double exact = pi / 4.0 * diameter * diameter;
        QCOMPARE(decimals(row.value(1)), 3);
        QCOMPARE(decimals(row.value(2)), 3);
        const double area = cellNumber(row.value(1));
        QVERIFY2(std::fabs(area - exact) <= 0.0005 + 1e-4, qPrintable(rowText(row)));
        const double mass = cellNumber(row.value(2));
        const bool fromExact = std::fabs(mass - exact * kgPerMetrePerCm2) <= 0.0005 + eps;
        const bool fromPrinted = std::fabs(mass - area * kgPerMetrePerCm2) <= 0.0005 + eps;
        QVERIFY2(fromExact || fromPrinted, qPrintable(rowText(row)));
    }
}

void TestNewStandards::rebarDiametersInOrder()
{
    const QList<QStringList> rows = BaseTables::rows(rebar);
    QVERIFY(!rows.isEmpty());
    QCOMPARE(rows.first().value(0), QStringLiteral("4"));
    QCOMPARE(rows.last().value(0), QStringLiteral("40"));
    for (qsizetype i = 1; i < rows.size(); ++i)
        QVERIFY2(cellNumber(rows.at(i).value(0)) > cellNumber(rows.at(i - 1).value(0)), qPrintable(rowText(rows.at(i))));
}

// Whole millimetres, the thread diameters of the standard, by diameter and within a diameter
// by length; the mass grows with the length.
void TestNewStandards::boltSizesInOrder()
{
    const QStringList diameters{"16", "18", "20", "22", "24", "27", "30", "36", "42", "48"};
    const QList<QStringList> rows = BaseTables::rows(bolts);
    QVERIFY(!rows.isEmpty());
    QStringList present;
    for (qsizetype i = 0; i < rows.size(); ++i) {
        const QStringList &row = rows.at(i);
        QVERIFY2(diameters.contains(row.value(0)) && isPlainInteger(row.value(1)), qPrintable(rowText(row)));
        if (!present.contains(row.value(0)))
            present.append(row.value(0));
        if (i == 0)
            continue;
        const QStringList &before = rows.at(i - 1);
        const double d = cellNumber(row.value(0));
        const double d0 = cellNumber(before.value(0));
        QVERIFY2(d > d0 || (d == d0 && cellNumber(row.value(1)) > cellNumber(before.value(1))),
                 qPrintable(rowText(before) + QStringLiteral(" then ") + rowText(row)));
        if (d == d0)
            QVERIFY2(cellNumber(row.value(2)) > cellNumber(before.value(2)), qPrintable(rowText(row)));
    }
    QCOMPARE(present, diameters);
}

// What a longer bolt adds is shank: per millimetre not much more than a rod of the thread
// diameter and not much less (the thread), at 7850 kg/m³; the masses are printed in whole
// kilograms, so one kilogram over the step of length is allowed either way.
void TestNewStandards::boltMassGainPerLengthWithinRodBounds()
{
    const QList<QStringList> rows = BaseTables::rows(bolts);
    QVERIFY(!rows.isEmpty());
    int steps = 0;
    for (qsizetype i = 1; i < rows.size(); ++i) {
        const QStringList &row = rows.at(i);
        const QStringList &before = rows.at(i - 1);
        if (row.value(0) != before.value(0))
            continue;
        const double d = cellNumber(row.value(0));
        const double step = cellNumber(row.value(1)) - cellNumber(before.value(1));
        const double gain = (cellNumber(row.value(2)) - cellNumber(before.value(2))) / step;
        const double rod = pi / 4.0 * d * d * BaseTables::steelDensity * 1e-6; // kg per mm, 1000 pieces
        QVERIFY2(gain >= 0.8 * rod - 1.0 / step && gain <= 1.1 * rod + 1.0 / step,
                 qPrintable(QStringLiteral("%1 after %2: %3 kg/mm, rod %4")
                                .arg(rowText(row), rowText(before))
                                .arg(gain, 0, 'f', 3)
                                .arg(rod, 0, 'f', 3)));
        ++steps;
    }
    QCOMPARE(steps, int(rows.size()) - 10);
}

// Single masses as the chosen copy prints them.
void TestNewStandards::fastenerMassAsPrinted_data()
{
    QTest::addColumn<QString>("table");
    QTest::addColumn<QStringList>("key");
    QTest::addColumn<QString>("mass");
    QTest::newRow("bolt М16 x 40, first") << bolts << QStringList{"16", "40"} << "111";
    QTest::newRow("bolt М27 x 240, the copy whose lengths agree") << bolts << QStringList{"27", "240"} << "1285";
    QTest::newRow("bolt М48 x 300, last") << bolts << QStringList{"48", "300"} << "4969";
    QTest::newRow("nut М24") << nuts << QStringList{"24"} << "183";
    QTest::newRow("washer М20") << washers << QStringList{"20"} << "36.3";
}

void TestNewStandards::fastenerMassAsPrinted()
{
    QFETCH(QString, table);
    QFETCH(QStringList, key);
    QFETCH(QString, mass);
    const int massColumn = table == bolts ? 2 : table == nuts ? 1 : 4;
    int found = 0;
    for (const QStringList &row : BaseTables::rows(table)) {
        if (row.mid(0, key.size()) == key) {
            QCOMPARE(row.value(massColumn), mass);
            ++found;
        }
    }
    QCOMPARE(found, 1);
}

void TestNewStandards::nutAndWasherMassesGrowWithDiameter_data()
{
    QTest::addColumn<QString>("table");
    QTest::addColumn<int>("massColumn");
    QTest::newRow("nuts ГОСТ Р 52645-2006") << nuts << 1;
    QTest::newRow("washers ГОСТ Р 52646-2006") << washers << 4;
}

void TestNewStandards::nutAndWasherMassesGrowWithDiameter()
{
    QFETCH(QString, table);
    QFETCH(int, massColumn);
    const QList<QStringList> rows = BaseTables::rows(table);
    QVERIFY(!rows.isEmpty());
    QCOMPARE(rows.first().value(0), QStringLiteral("16"));
    QCOMPARE(rows.last().value(0), QStringLiteral("48"));
    for (qsizetype i = 1; i < rows.size(); ++i) {
        QVERIFY2(cellNumber(rows.at(i).value(0)) > cellNumber(rows.at(i - 1).value(0)), qPrintable(rowText(rows.at(i))));
        QVERIFY2(cellNumber(rows.at(i).value(massColumn)) > cellNumber(rows.at(i - 1).value(massColumn)),
                 qPrintable(rowText(rows.at(i))));
    }
}

// A high-strength nut is about as high as its thread is wide: m max from d to d + 2 mm (the
// table's own run is d to d + 1.6 mm).
void TestNewStandards::nutHeightNearThreadDiameter()
{
    const QList<QStringList> rows = BaseTables::rows(nuts);
    QVERIFY(!rows.isEmpty());
    for (const QStringList &row : rows) {
        const double d = cellNumber(row.value(0));
        const double height = cellNumber(row.value(3));
        QVERIFY2(height >= d - eps && height <= d + 2.0 + eps, qPrintable(rowText(row)));
    }
}

QTEST_GUILESS_MAIN(TestNewStandards)
#include "tst_newstandards.moc"
