// The pieces of the specification below its form: the grades with their densities, the mass
// units and their rounding, and the statements of fasteners and of reinforcement steel, whose
// rows multiply out and whose totals are the sums of the printed rows.

#include "steelspec/fastenerstatement.h"
#include "steelspec/specmass.h"
#include "steelspec/steelgrades.h"
#include "steelspec/steelusestatement.h"

#include <QTest>

Q_DECLARE_METATYPE(SpecMassUnit)

class TestStatements : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia)); }

    void grades_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("metal");
        QTest::addColumn<double>("factor");
        QTest::newRow("structural") << "С255" << "С255 ГОСТ 27772-2015" << 1.0;
        QTest::newRow("with blanks around") << " С390 " << "С390 ГОСТ 27772-2015" << 1.0;
        QTest::newRow("low-alloyed") << "09Г2С" << "09Г2С ГОСТ 19281-2014" << 1.0;
        QTest::newRow("carbon") << "Ст3пс" << "Ст3пс ГОСТ 535-2005" << 1.0;
        QTest::newRow("stainless 12Х18Н10Т") << "12Х18Н10Т" << "12Х18Н10Т ГОСТ 5632-2014" << 7.90 / 7.85;
        QTest::newRow("stainless 08Х18Н10") << "08Х18Н10" << "08Х18Н10 ГОСТ 5632-2014" << 7.90 / 7.85;
        QTest::newRow("typed, not offered") << "S355JR" << "S355JR" << 1.0;
        // Latin "C" is not the Cyrillic "С" of the grades: taken as typed.
        QTest::newRow("Latin C") << "C255" << "C255" << 1.0;
    }
    void grades()
    {
        QFETCH(QString, typed);
        QFETCH(QString, metal);
        QFETCH(double, factor);
        QCOMPARE(SteelGrades::find(typed).withStandard(), metal);
        QCOMPARE(SteelGrades::densityFactor(typed), factor);
    }

    void massUnits_data()
    {
        QTest::addColumn<double>("kg");
        QTest::addColumn<SpecMassUnit>("unit");
        QTest::addColumn<qint64>("quanta");
        QTest::addColumn<QString>("text");
        QTest::newRow("t2, half up") << 145.0 << SpecMassUnit::Tonnes2 << qint64(15) << "0,15";
        QTest::newRow("t2, just below half") << 144.9 << SpecMassUnit::Tonnes2 << qint64(14) << "0,14";
        // 0.145 t through a product held as 144.99999999999997 kg.
        QTest::newRow("t2, binary noise below a half") << 0.145 * 1000 << SpecMassUnit::Tonnes2 << qint64(15) << "0,15";
        QTest::newRow("t1") << 1250.0 << SpecMassUnit::Tonnes1 << qint64(13) << "1,3";
        QTest::newRow("t3") << 1234.5 << SpecMassUnit::Tonnes3 << qint64(1235) << "1,235";
        QTest::newRow("kg") << 1234.5 << SpecMassUnit::Kilograms << qint64(1235) << "1235";
        QTest::newRow("t2, large, no grouping") << 1234567.0 << SpecMassUnit::Tonnes2 << qint64(123457) << "1234,57";
        QTest::newRow("zero") << 0.0 << SpecMassUnit::Tonnes2 << qint64(0) << "0,00";
    }
    void massUnits()
    {
        QFETCH(double, kg);
        QFETCH(SpecMassUnit, unit);
        QFETCH(qint64, quanta);
        QFETCH(QString, text);
        QCOMPARE(qint64(SpecMass::toQuanta(kg, unit)), quanta);
        QCOMPARE(SpecMass::text(quanta, unit), text);
    }

    // The numbers written into a workbook are the printed ones, exactly.
    void massUnitNumbers()
    {
        QCOMPARE(SpecMass::toNumber(7, SpecMassUnit::Tonnes2), 0.07);
        QCOMPARE(SpecMass::toNumber(1235, SpecMassUnit::Tonnes3), 1.235);
        QCOMPARE(SpecMass::toNumber(1235, SpecMassUnit::Kilograms), 1235.0);
    }

    // One row per designation, counts added; a row is its count times the printed mass of one
    // (12 × 0,038 is 0,456, never 0,451), the total the sum of the rows.
    void fasteners()
    {
        const QList<FastenerStatement::Line> lines{
            {"Гайка М16-6H.5 ГОСТ 5915-70", "ГОСТ 5915-70", 2, 6, 8, 0.0376},
            {"Болт М16-6gx60.58 ГОСТ 7798-70", "ГОСТ 7798-70", 1, 40, 8, 0.1290},
            {"Шайба 16 ГОСТ 11371-78", "ГОСТ 11371-78", 3, 6, 12, 0.0113},
            {"Гайка М16-6H.5 ГОСТ 5915-70", "ГОСТ 5915-70", 2, 6, 4, 0.0376},
        };
        const FastenerStatement::Statement s = FastenerStatement::make(lines);
        QCOMPARE(s.rows.size(), 3);
        QCOMPARE(s.rows.at(0).designation, QStringLiteral("Болт М16-6gx60.58 ГОСТ 7798-70"));
        QCOMPARE(s.rows.at(1).designation, QStringLiteral("Гайка М16-6H.5 ГОСТ 5915-70"));
        QCOMPARE(s.rows.at(1).count, 12.0);
        QCOMPARE(s.rows.at(1).onePieceGrams, 38);
        QCOMPARE(s.rows.at(1).totalGrams, 12 * 38);
        QCOMPARE(FastenerStatement::kilograms(s.rows.at(1).totalGrams), QStringLiteral("0,456"));
        QCOMPARE(s.rows.at(0).totalGrams, 8 * 129);
        QCOMPARE(s.totalGrams, 8 * 129 + 12 * 38 + 12 * 11);
    }

    // By class or kind, then by diameter, to a tenth of a kilogram; each total the sum of the
    // printed masses above it.
    void steelUse()
    {
        const QString a500 = QStringLiteral("Арматура А500С ГОСТ 34028-2016");
        const QString wire = QStringLiteral("Проволока ГОСТ 3282-74");
        const QList<SteelUseStatement::Line> lines{
            {wire, 3, "⌀4", 4, 2.04},
            {a500, 1, "⌀12", 12, 10.64},
            {a500, 1, "⌀10", 10, 3.04},
            {a500, 1, "⌀12", 12, 5.0},
        };
        const SteelUseStatement::Statement s = SteelUseStatement::make(lines);
        using K = SteelUseStatement::Row::Kind;
        QCOMPARE(s.rows.size(), 6);
        QVERIFY(s.rows.at(0).kind == K::Size && s.rows.at(0).product == a500 && s.rows.at(0).size == "⌀10");
        QCOMPARE(s.rows.at(0).tenthsKg, 30);
        QVERIFY(s.rows.at(1).kind == K::Size && s.rows.at(1).product.isEmpty() && s.rows.at(1).size == "⌀12");
        QCOMPARE(s.rows.at(1).tenthsKg, 156);
        QVERIFY(s.rows.at(2).kind == K::KindTotal && s.rows.at(2).size == "Итого:");
        QCOMPARE(s.rows.at(2).tenthsKg, 186);
        QCOMPARE(s.rows.at(3).product, wire);
        QCOMPARE(s.rows.at(3).tenthsKg, 20);
        QVERIFY(s.rows.at(5).kind == K::Total && s.rows.at(5).product == "Всего:");
        QCOMPARE(s.rows.at(5).tenthsKg, 186 + 20);
        QCOMPARE(SteelUseStatement::kilograms(s.rows.at(5).tenthsKg), QStringLiteral("20,6"));
        QVERIFY(SteelUseStatement::make({}).isEmpty());
    }
};

QTEST_MAIN(TestStatements)
#include "tst_statements.moc"
