// Checks of the fastener tables of the built base: nuts, bolts, washers, sealing washers,
// dowel-nails, self-tapping screws and combined rivets. The program divides the mass of 1000
// pieces, read at a fixed column, by 1000; the bolt table is read through an ORDER BY on two
// named columns.

#include "basetables.h"

#include <QRegularExpression>
#include <QTest>

#include <algorithm>
#include <cmath>

namespace {

const QString nutTable = QStringLiteral("Гайки В");
const QString boltTable = QStringLiteral("Болты В");
const QString washerTable = QStringLiteral("Шайбы");
const QString screwTable = QStringLiteral("винты самонарезающие");

constexpr double steelDensity = 7850.0; // kg/m³
constexpr double pi = 3.14159265358979323846;

// A cell that the lenient number reading turns into the figure written in it: digits, an
// optional point and more digits, nothing else.
bool isPlainDecimal(const QString &cell)
{
    static const QRegularExpression decimal(QStringLiteral("^\\d+(\\.\\d+)?$"));
    return decimal.match(cell).hasMatch();
}

bool isPlainInteger(const QString &cell)
{
    static const QRegularExpression integer(QStringLiteral("^[1-9]\\d*$"));
    return integer.match(cell).hasMatch();
}

double cellNumber(const QString &cell)
{
    bool ok = false;
    const double value = BaseTables::number(cell, &ok);
    return ok ? value : std::nan("");
}

// Volume of a hexagon prism across flats s and height h, less a round bore of diameter bore;
// all in mm, result in mm³.
double hexPrismVolume(double s, double h, double bore)
{
    return (std::sqrt(3.0) / 2.0 * s * s - pi / 4.0 * bore * bore) * h;
}

// Mass of 1000 pieces in kg of a steel part of the given volume in mm³.
double massOf1000(double volumeMm3)
{
    return volumeMm3 * 1e-9 * steelDensity * 1000.0;
}

} // namespace

class TestFasteners : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void tableShape_data();
    void tableShape();
    void massCells_data();
    void massCells();
    void nutMassFromStandard_data();
    void nutMassFromStandard();
    void nutMassAgreesWithDimensions_data();
    void nutMassAgreesWithDimensions();
    void nutMassesGrowWithDiameter();
    void boltSizesAreIntegersInStandardOrder();
    void boltMassesGrowWithLength();
    void boltM12x60Present();
    void washerMassAgreesWithDimensions();
    void screwRowsNameTheirStandard();
};

// Every table exists, has the columns the program names where it names them, and reaches the
// column the mass is read from.
void TestFasteners::tableShape_data()
{
    QTest::addColumn<QString>("table");
    QTest::addColumn<int>("massColumn");
    QTest::addColumn<QStringList>("leadingColumns");
    QTest::addColumn<QStringList>("namedColumns");

    QTest::newRow("nuts, mass at 1") << nutTable << 1 << QStringList() << QStringList();
    QTest::newRow("dowel-nails, mass at 2")
        << QStringLiteral("дюбели-гвозди") << 2 << QStringList() << QStringList();
    QTest::newRow("washers, mass at 3") << washerTable << 3 << QStringList() << QStringList();
    QTest::newRow("sealing washers, mass at 3")
        << QStringLiteral("шайба уплотнительная ШУ-6К") << 3 << QStringList() << QStringList();
    QTest::newRow("self-tapping screws, mass at 2, standard named")
        << screwTable << 2 << QStringList() << QStringList{QStringLiteral("ГОСТ")};
    QTest::newRow("combined rivets, mass at 5")
        << QStringLiteral("заклепки комбинированные") << 5 << QStringList() << QStringList();
    QTest::newRow("bolts, ordering columns first, mass at 2")
        << boltTable << 2
        << QStringList{QStringLiteral("Диаметр резьбы, мм"), QStringLiteral("Длина болта, мм")}
        << QStringList();
}

void TestFasteners::tableShape()
{
    QFETCH(QString, table);
    QFETCH(int, massColumn);
    QFETCH(QStringList, leadingColumns);
    QFETCH(QStringList, namedColumns);

    const QStringList columns = BaseTables::columns(table);
    QVERIFY2(!columns.isEmpty(), qPrintable(table + QStringLiteral(" is missing")));
    QVERIFY(columns.size() > massColumn);
    QCOMPARE(columns.mid(0, leadingColumns.size()), leadingColumns);
    for (const QString &name : namedColumns)
        QVERIFY2(columns.contains(name), qPrintable(name));
}

// No row leaves the mass empty or writes something the number reading would turn into 0.
void TestFasteners::massCells_data()
{
    QTest::addColumn<QString>("table");
    QTest::addColumn<int>("massColumn");

    QTest::newRow("nuts") << nutTable << 1;
    QTest::newRow("dowel-nails") << QStringLiteral("дюбели-гвозди") << 2;
    QTest::newRow("washers") << washerTable << 3;
    QTest::newRow("sealing washers") << QStringLiteral("шайба уплотнительная ШУ-6К") << 3;
    QTest::newRow("self-tapping screws") << screwTable << 2;
    QTest::newRow("combined rivets") << QStringLiteral("заклепки комбинированные") << 5;
    QTest::newRow("bolts") << boltTable << 2;
}

void TestFasteners::massCells()
{
    QFETCH(QString, table);
    QFETCH(int, massColumn);

    const QList<QStringList> rows = BaseTables::rows(table);
    if (rows.isEmpty())
        QSKIP("no rows yet: the source of this table was not available (see the table's note)");
    for (int i = 0; i < rows.size(); ++i) {
        const QString cell = rows.at(i).value(massColumn);
        QVERIFY2(isPlainDecimal(cell), qPrintable(QStringLiteral("row %1: \"%2\"").arg(i).arg(cell)));
        QVERIFY2(cellNumber(cell) > 0.0, qPrintable(QStringLiteral("row %1").arg(i)));
    }
}

// Figures as printed: ГОСТ 5915-70 appendix 1 (d 1,6 and 4), the mass line of the ГОСТ 5927-70
// table with the same nut dimensions (d 10), the supplier's ГОСТ 5915 table (d 12 and 20).
void TestFasteners::nutMassFromStandard_data()
{
    QTest::addColumn<QString>("diameter");
    QTest::addColumn<QString>("mass");

    QTest::newRow("M1.6") << QStringLiteral("1.6") << QStringLiteral("0.074");
    QTest::newRow("M4, trailing zeros kept") << QStringLiteral("4") << QStringLiteral("0.800");
    QTest::newRow("M10") << QStringLiteral("10") << QStringLiteral("10.22");
    QTest::newRow("M12") << QStringLiteral("12") << QStringLiteral("15.67");
    QTest::newRow("M20") << QStringLiteral("20") << QStringLiteral("71.44");
}

void TestFasteners::nutMassFromStandard()
{
    QFETCH(QString, diameter);
    QFETCH(QString, mass);

    const QList<QStringList> rows = BaseTables::rows(nutTable);
    auto row = std::find_if(rows.cbegin(), rows.cend(),
                            [&](const QStringList &r) { return r.value(0) == diameter; });
    QVERIFY2(row != rows.cend(), qPrintable(diameter));
    QCOMPARE(row->value(1), mass);
}

// A nut weighs more than its hexagon prism bored out to the nominal thread diameter d and less
// than the prism bored only to the basic minor diameter d - 1.0825 P (ISO 724); the chamfers
// and the thread flanks lie between. A slipped digit or decimal point falls outside.
void TestFasteners::nutMassAgreesWithDimensions_data()
{
    QTest::addColumn<double>("d");
    QTest::addColumn<double>("mass");
    QTest::addColumn<double>("s");
    QTest::addColumn<double>("m");
    QTest::addColumn<double>("pitch");

    const QStringList columns = BaseTables::columns(nutTable);
    const int sColumn = columns.indexOf(QStringLiteral("Размер под ключ S, мм"));
    const int mColumn = columns.indexOf(QStringLiteral("Высота m, мм"));
    const int pColumn = columns.indexOf(QStringLiteral("Шаг резьбы P, мм"));
    QVERIFY(sColumn >= 0 && mColumn >= 0 && pColumn >= 0);
    for (const QStringList &row : BaseTables::rows(nutTable)) {
        QTest::newRow(qPrintable(QStringLiteral("M") + row.value(0)))
            << cellNumber(row.value(0)) << cellNumber(row.value(1)) << cellNumber(row.value(sColumn))
            << cellNumber(row.value(mColumn)) << cellNumber(row.value(pColumn));
    }
}

void TestFasteners::nutMassAgreesWithDimensions()
{
    QFETCH(double, d);
    QFETCH(double, mass);
    QFETCH(double, s);
    QFETCH(double, m);
    QFETCH(double, pitch);

    const double lightest = massOf1000(hexPrismVolume(s, m, d));
    const double heaviest = massOf1000(hexPrismVolume(s, m, d - 1.0825 * pitch));
    QVERIFY2(mass > lightest && mass < heaviest,
             qPrintable(QStringLiteral("%1 kg outside %2 .. %3 kg").arg(mass).arg(lightest).arg(heaviest)));
}

void TestFasteners::nutMassesGrowWithDiameter()
{
    const QList<QStringList> rows = BaseTables::rows(nutTable);
    QVERIFY(rows.size() >= 2);
    for (int i = 1; i < rows.size(); ++i) {
        const QString where = QStringLiteral("M%1 after M%2").arg(rows.at(i).value(0), rows.at(i - 1).value(0));
        QVERIFY2(cellNumber(rows.at(i).value(0)) > cellNumber(rows.at(i - 1).value(0)), qPrintable(where));
        QVERIFY2(cellNumber(rows.at(i).value(1)) > cellNumber(rows.at(i - 1).value(1)), qPrintable(where));
    }
}

// Diameter and length are plain integers (stored as INTEGER, so ORDER BY sorts them as
// numbers), and the rows are stored in the standard's own order: by diameter, then by length.
void TestFasteners::boltSizesAreIntegersInStandardOrder()
{
    const QList<QStringList> rows = BaseTables::rows(boltTable);
    if (rows.isEmpty())
        QSKIP("no rows yet: the mass table of ГОСТ 7798-70 was not available (see the table's note)");
    for (int i = 0; i < rows.size(); ++i) {
        QVERIFY2(isPlainInteger(rows.at(i).value(0)), qPrintable(QStringLiteral("row %1").arg(i)));
        QVERIFY2(isPlainInteger(rows.at(i).value(1)), qPrintable(QStringLiteral("row %1").arg(i)));
        if (i == 0)
            continue;
        const int d = rows.at(i).value(0).toInt(), previousD = rows.at(i - 1).value(0).toInt();
        const int l = rows.at(i).value(1).toInt(), previousL = rows.at(i - 1).value(1).toInt();
        QVERIFY2(d > previousD || (d == previousD && l > previousL),
                 qPrintable(QStringLiteral("M%1 x %2 after M%3 x %4").arg(d).arg(l).arg(previousD).arg(previousL)));
    }
}

void TestFasteners::boltMassesGrowWithLength()
{
    const QList<QStringList> rows = BaseTables::rows(boltTable);
    if (rows.isEmpty())
        QSKIP("no rows yet: the mass table of ГОСТ 7798-70 was not available (see the table's note)");
    for (int i = 1; i < rows.size(); ++i) {
        if (rows.at(i).value(0) != rows.at(i - 1).value(0))
            continue;
        QVERIFY2(cellNumber(rows.at(i).value(2)) > cellNumber(rows.at(i - 1).value(2)),
                 qPrintable(QStringLiteral("M%1 x %2").arg(rows.at(i).value(0), rows.at(i).value(1))));
    }
}

// The designer's end-to-end check computes with bolt M12 x 60.
void TestFasteners::boltM12x60Present()
{
    const QList<QStringList> rows = BaseTables::rows(boltTable);
    auto row = std::find_if(rows.cbegin(), rows.cend(), [](const QStringList &r) {
        return r.value(0) == QLatin1String("12") && r.value(1) == QLatin1String("60");
    });
    QEXPECT_FAIL("", "the mass table of ГОСТ 7798-70 is not in the base yet (see the table's note)", Abort);
    QVERIFY(row != rows.cend());
    QVERIFY(cellNumber(row->value(2)) > 0.0);
}

// A plain washer is a flat ring: mass of 1000 = π/4 (d2² - d1²) s · 7850 kg/m³, printed to three
// or four figures, so within 1 %.
void TestFasteners::washerMassAgreesWithDimensions()
{
    const QList<QStringList> rows = BaseTables::rows(washerTable);
    if (rows.isEmpty())
        QSKIP("no rows yet: the masses of ГОСТ 11371-78 were not available (see the table's note)");
    for (const QStringList &row : rows) {
        const double d1 = cellNumber(row.value(1)), d2 = cellNumber(row.value(2));
        const double s = cellNumber(row.value(4)), mass = cellNumber(row.value(3));
        const double ring = massOf1000(pi / 4.0 * (d2 * d2 - d1 * d1) * s);
        QVERIFY2(std::abs(mass - ring) <= 0.01 * ring,
                 qPrintable(QStringLiteral("d %1: %2 kg, ring %3 kg").arg(row.value(0)).arg(mass).arg(ring)));
    }
}

// Both screw kinds show the same table, so every row says which standard it belongs to.
void TestFasteners::screwRowsNameTheirStandard()
{
    const QStringList columns = BaseTables::columns(screwTable);
    const int standardColumn = columns.indexOf(QStringLiteral("ГОСТ"));
    QVERIFY(standardColumn >= 0);
    const QList<QStringList> rows = BaseTables::rows(screwTable);
    if (rows.isEmpty())
        QSKIP("no rows yet: the masses of ГОСТ 10618-80 and 10619-80 were not available (see the table's note)");
    const QStringList standards{QStringLiteral("ГОСТ 10618-80"), QStringLiteral("ГОСТ 10619-80")};
    for (const QStringList &row : rows)
        QVERIFY2(standards.contains(row.value(standardColumn)), qPrintable(row.value(standardColumn)));
}

QTEST_GUILESS_MAIN(TestFasteners)
#include "tst_fasteners.moc"
