#include "calc/massrules.h"

#include <QTest>

Q_DECLARE_METATYPE(CalcOutcome::Kind)
Q_DECLARE_METATYPE(CalcState)
Q_DECLARE_METATYPE(CalcInputs)
Q_DECLARE_METATYPE(MassRule)

namespace {

// A current row of the given cells.
CellReader row(const QStringList &cells)
{
    return [cells](int column) -> std::optional<QString> { return cells.value(column); };
}

CellReader noRow()
{
    return [](int) -> std::optional<QString> { return std::nullopt; };
}

CalcState state(int16_t massColumn, int16_t calcMode, int16_t unitMassDivisor = 1, float unitMass = 0)
{
    CalcState s;
    s.MassDivisor = 1;
    s.LengthDivisor = 1000;
    s.MassColumn = massColumn;
    s.CalcMode = calcMode;
    s.UnitMassDivisor = unitMassDivisor;
    s.UnitMass = unitMass;
    return s;
}

} // namespace

class TestMassRules : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void rules_data()
    {
        QTest::addColumn<CalcState>("calc");
        QTest::addColumn<QStringList>("cells");
        QTest::addColumn<CalcInputs>("inputs");
        QTest::addColumn<double>("onePiece");
        QTest::addColumn<double>("total");
        QTest::addColumn<float>("unitMass");

        CalcState tonnes = state(1, 0);
        tonnes.MassDivisor = 1000;
        CalcState metres = state(1, 0);
        metres.LengthDivisor = 1;

        // 10.5 kg/m, 6000 mm, 2 pieces: 63 kg and 126 kg.
        QTest::newRow("by length") << state(1, 0) << QStringList{"x", "10.5"}
                                   << CalcInputs{0, 6000, 2, 0} << 63.0 << 126.0 << 10.5f;
        QTest::newRow("by length in metres") << metres << QStringList{"x", "10.5"}
                                             << CalcInputs{0, 6, 2, 0} << 63.0 << 126.0 << 10.5f;
        QTest::newRow("by length in tonnes") << tonnes << QStringList{"x", "10.5"}
                                             << CalcInputs{0, 6000, 2, 0} << 0.063 << 0.126 << 10.5f;
        QTest::newRow("by length ignores width and area") << state(1, 0) << QStringList{"x", "10.5"}
                                                          << CalcInputs{99, 1000, 1, 99} << 10.5
                                                          << 10.5 << 10.5f;
        QTest::newRow("empty length") << state(1, 0) << QStringList{"x", "10.5"}
                                      << CalcInputs{0, 0, 0, 0} << 0.0 << 0.0 << 10.5f;
        // Fasteners: 31.7 kg per 1000 pieces.
        // The single-precision unit mass counts as the decimal it was read from: the results are
        // those of 0.0317, 4.2, 2.91 and 113.88, not of their nearest binary singles.
        QTest::newRow("per piece of 1000") << state(2, 1, 1000) << QStringList{"M12", "60", "31.7"}
                                           << CalcInputs{0, 0, 1000, 0} << 0.0317 << 31.7 << 0.0317f;
        // 147.5 kg per 1000 bolts: a half at the fourth decimal, 0.1475 and not 0.14749999.
        QTest::newRow("per piece on a half") << state(2, 1, 1000) << QStringList{"M12", "150", "147.5"}
                                             << CalcInputs{0, 0, 10, 0} << 0.1475 << 1.475 << 0.1475f;
        // Mesh and per-area kinds: the area alone counts.
        QTest::newRow("per area from a column") << state(3, 2) << QStringList{"", "", "", "4.2"}
                                                << CalcInputs{5, 5, 5, 10} << 4.2 << 42.0 << 4.2f;
        QTest::newRow("welded mesh fixed unit mass") << state(-4, 2, 1, 2.91f) << QStringList{}
                                                     << CalcInputs{5, 5, 5, 12.5} << 2.91 << 36.375
                                                     << 2.91f;
        QTest::newRow("sheet piles fixed unit mass") << state(-1, 0, 1, 113.88f) << QStringList{}
                                                     << CalcInputs{0, 12000, 10, 0} << 1366.56
                                                     << 13665.6 << 113.88f;
        // Smooth sheet: 10 mm thick, 1000 x 1000 mm, 3 sheets: 78.5 kg each.
        QTest::newRow("smooth sheet") << state(0, 3) << QStringList{"10"}
                                      << CalcInputs{1000, 1000, 3, 0} << 78.5 << 235.5 << 10.0f;
        // Ribbed sheet: 35 kg/m², 2000 x 1000 mm, 3 sheets.
        QTest::newRow("ribbed sheet") << state(4, 4) << QStringList{"4", "", "", "", "35"}
                                      << CalcInputs{1000, 2000, 3, 0} << 70.0 << 210.0 << 35.0f;
    }
    void rules()
    {
        QFETCH(CalcState, calc);
        QFETCH(QStringList, cells);
        QFETCH(CalcInputs, inputs);
        QFETCH(double, onePiece);
        QFETCH(double, total);
        QFETCH(float, unitMass);
        const CalcOutcome outcome = ComputeMasses(calc, inputs, row(cells));
        QCOMPARE(outcome.kind, CalcOutcome::Kind::Results);
        QCOMPARE(outcome.onePiece, onePiece);
        QCOMPARE(outcome.total, total);
        QCOMPARE(calc.UnitMass, unitMass);
    }

    // Which rule a state applies, and so which inputs it reads.
    void ruleOfAState_data()
    {
        QTest::addColumn<int>("massColumn");
        QTest::addColumn<int>("calcMode");
        QTest::addColumn<MassRule>("rule");
        QTest::newRow("fixed unit mass, whatever the mode") << -1 << 3 << MassRule::ByLength;
        QTest::newRow("pipe from two dimensions") << -2 << 1 << MassRule::ByLength;
        QTest::newRow("general wire") << -3 << 0 << MassRule::ByLength;
        QTest::newRow("welded mesh") << -4 << 0 << MassRule::PerArea;
        QTest::newRow("unknown code") << -5 << 0 << MassRule::None;
        QTest::newRow("mass column, by length") << 2 << 0 << MassRule::ByLength;
        QTest::newRow("mass column, per piece") << 2 << 1 << MassRule::PerPiece;
        QTest::newRow("mass column, per area") << 3 << 2 << MassRule::PerArea;
        QTest::newRow("smooth sheet") << 0 << 3 << MassRule::SmoothSheet;
        QTest::newRow("ribbed sheet") << 4 << 4 << MassRule::RibbedSheet;
        QTest::newRow("unknown mode") << 2 << 5 << MassRule::None;
    }
    void ruleOfAState()
    {
        QFETCH(int, massColumn);
        QFETCH(int, calcMode);
        QFETCH(MassRule, rule);
        CalcState state;
        state.MassColumn = int16_t(massColumn);
        state.CalcMode = int16_t(calcMode);
        QCOMPARE(MassRuleOf(state), rule);
    }

    void unitMassFromDimensions_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QStringList>("cells");
        QTest::addColumn<double>("unitMass");
        QTest::addColumn<double>("onePiece");
        // (57 - 3.5) × (3.5 × 3.1415 × 7.85) / 1000 = 4.61773011875; 1 m of it on the single's
        // seven digits.
        QTest::newRow("stainless pipe 57 x 3.5") << -2 << QStringList{"57", "3.5"} << 4.6177301
                                                 << 4.61773;
        // 0.006² × 3.1415 / 4 × 7850 = 0.221946975
        QTest::newRow("wire of 6 mm") << -3 << QStringList{"6"} << 0.2219470 << 0.221947;
    }
    void unitMassFromDimensions()
    {
        QFETCH(int, code);
        QFETCH(QStringList, cells);
        QFETCH(double, unitMass);
        QFETCH(double, onePiece);
        CalcState calc = state(int16_t(code), 0);
        const CalcOutcome outcome = ComputeMasses(calc, {0, 1000, 1, 0}, row(cells));
        QCOMPARE(outcome.kind, CalcOutcome::Kind::Results);
        QVERIFY2(qAbs(calc.UnitMass - unitMass) < 1e-6, qPrintable(QString::number(calc.UnitMass, 'g', 9)));
        QCOMPARE(outcome.onePiece, onePiece);
    }

    void weldedMesh_data()
    {
        QTest::addColumn<double>("a");
        QTest::addColumn<double>("b");
        QTest::addColumn<double>("k");
        QTest::addColumn<double>("unitMass");
        // (950/100 + 950/100 + 2) × 0.052 = 21 × 0.052
        QTest::newRow("100 x 100, 3 mm") << 100.0 << 100.0 << WireFactor::Mm3 << 1.092;
        QTest::newRow("100 x 100, 4 mm") << 100.0 << 100.0 << WireFactor::Mm4 << 1.932;
        // (950/200 + 950/50 + 2) × 0.144 = 25.75 × 0.144
        QTest::newRow("200 x 50, 5 mm") << 200.0 << 50.0 << WireFactor::Mm5 << 3.708;
    }
    void weldedMesh()
    {
        QFETCH(double, a);
        QFETCH(double, b);
        QFETCH(double, k);
        QFETCH(double, unitMass);
        const std::optional<float> result = WeldedMeshUnitMass(a, b, k);
        QVERIFY(result);
        QCOMPARE(*result, float(unitMass));
    }

    void weldedMeshWithZeroSpacingFails()
    {
        QVERIFY(!WeldedMeshUnitMass(0, 100, WireFactor::Mm3));
        QVERIFY(!WeldedMeshUnitMass(100, 0, WireFactor::Mm5));
    }

    // Why a welded mesh has no unit mass: a spacing of 0 divides by zero, a figure beyond single
    // precision overflows.
    void weldedMeshFailure_data()
    {
        QTest::addColumn<double>("a");
        QTest::addColumn<double>("b");
        QTest::addColumn<CalcOutcome::Kind>("kind");
        QTest::newRow("first spacing 0") << 0.0 << 100.0 << CalcOutcome::Kind::DivisionByZero;
        QTest::newRow("second spacing 0") << 100.0 << 0.0 << CalcOutcome::Kind::DivisionByZero;
        QTest::newRow("spacing too small") << 1e-300 << 100.0 << CalcOutcome::Kind::ArithmeticError;
        QTest::newRow("spacing not a number") << qQNaN() << 100.0 << CalcOutcome::Kind::ArithmeticError;
    }
    void weldedMeshFailure()
    {
        QFETCH(double, a);
        QFETCH(double, b);
        QFETCH(CalcOutcome::Kind, kind);
        QVERIFY(!WeldedMeshUnitMass(a, b, WireFactor::Mm3));
        QCOMPARE(WeldedMeshFailure(a, b), kind);
    }

    void noResult_data()
    {
        QTest::addColumn<CalcState>("calc");
        QTest::addColumn<bool>("hasRow");
        QTest::addColumn<QStringList>("cells");
        QTest::addColumn<CalcInputs>("inputs");
        QTest::addColumn<CalcOutcome::Kind>("kind");
        const CalcInputs normal{1000, 1000, 1, 1};
        QTest::newRow("unknown negative code") << state(-5, 0) << true << QStringList{"1"}
                                               << normal << CalcOutcome::Kind::NoChange;
        QTest::newRow("unknown mode") << state(0, 5) << true << QStringList{"1"} << normal
                                      << CalcOutcome::Kind::NoChange;
        QTest::newRow("column without row") << state(2, 0) << false << QStringList{} << normal
                                            << CalcOutcome::Kind::NoRow;
        QTest::newRow("pipe without row") << state(-2, 0) << false << QStringList{} << normal
                                          << CalcOutcome::Kind::NoRow;
        QTest::newRow("wire without row") << state(-3, 0) << false << QStringList{} << normal
                                          << CalcOutcome::Kind::NoRow;
        QTest::newRow("product beyond double") << state(0, 0) << true << QStringList{"1e300"}
                                               << CalcInputs{0, 1e300, 1e300, 0}
                                               << CalcOutcome::Kind::ArithmeticError;
        QTest::newRow("cell too large for a number") << state(0, 0) << true << QStringList{"1e400"}
                                                     << normal << CalcOutcome::Kind::ArithmeticError;
        QTest::newRow("cell too large for single precision") << state(0, 0) << true
                                                             << QStringList{"1e39"} << normal
                                                             << CalcOutcome::Kind::ArithmeticError;
        QTest::newRow("input too large for a number") << state(0, 0) << true << QStringList{"1"}
                                                      << CalcInputs{0, qInf(), 1, 0}
                                                      << CalcOutcome::Kind::ArithmeticError;
        QTest::newRow("pipe dimension too large") << state(-2, 0) << true << QStringList{"1e39", "1"}
                                                  << normal << CalcOutcome::Kind::ArithmeticError;
        QTest::newRow("unit mass over a huge area") << state(-4, 2, 1, 3.0e38f) << true
                                                    << QStringList{} << CalcInputs{0, 0, 0, 1e300}
                                                    << CalcOutcome::Kind::ArithmeticError;
        // A cell the unit mass comes from that holds no number: no mass, not a mass of 0.
        QTest::newRow("mass cell empty") << state(2, 0) << true << QStringList{"x", "x", ""}
                                         << normal << CalcOutcome::Kind::NoMass;
        QTest::newRow("mass cell a word") << state(1, 1, 1000) << true << QStringList{"M12", "нет"}
                                          << normal << CalcOutcome::Kind::NoMass;
        QTest::newRow("pipe wall empty") << state(-2, 0) << true << QStringList{"57", ""} << normal
                                         << CalcOutcome::Kind::NoMass;
        QTest::newRow("wire diameter a dash") << state(-3, 0) << true << QStringList{"—"} << normal
                                              << CalcOutcome::Kind::NoMass;
    }
    void noResult()
    {
        QFETCH(CalcState, calc);
        QFETCH(bool, hasRow);
        QFETCH(QStringList, cells);
        QFETCH(CalcInputs, inputs);
        QFETCH(CalcOutcome::Kind, kind);
        QCOMPARE(ComputeMasses(calc, inputs, hasRow ? row(cells) : noRow()).kind, kind);
    }

    void unitMassIsStoredEvenWhenNoRuleFollows()
    {
        CalcState calc = state(1, 9, 1000);
        QCOMPARE(ComputeMasses(calc, {}, row({"", "31.7"})).kind, CalcOutcome::Kind::NoChange);
        QCOMPARE(calc.UnitMass, 0.0317f);
    }
};

QTEST_GUILESS_MAIN(TestMassRules)
#include "tst_massrules.moc"
