// The reverse rules without a window: each rule undone on figures worked out by hand, the
// rounding up to whole pieces, and every case that has no answer.

#include "reverse/reverserules.h"

#include <QTest>

using ReverseRules::Status;

Q_DECLARE_METATYPE(MassRule)
Q_DECLARE_METATYPE(ReverseRules::Status)

namespace {

CalcState stateOf(int16_t massColumn, int16_t calcMode, int16_t unitMassDivisor = 1, float unitMass = 0,
                  int16_t lengthDivisor = 1000)
{
    CalcState state;
    state.MassDivisor = 1;
    state.LengthDivisor = lengthDivisor;
    state.UnitMassDivisor = unitMassDivisor;
    state.CalcMode = calcMode;
    state.MassColumn = massColumn;
    state.UnitMass = unitMass;
    return state;
}

// A current row of these cells; an empty list is no current row.
CellReader rowOf(const QStringList &cells)
{
    return [cells](int column) -> std::optional<QString> {
        if (cells.isEmpty())
            return std::nullopt;
        return cells.value(column);
    };
}

} // namespace

class TestReverseRules : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The plain reverses: rule, mass (kg), unit mass, pieces, width, length, length unit, and
    // the value worked out by hand.
    void plainReverses_data()
    {
        QTest::addColumn<QString>("rule");
        QTest::addColumn<double>("massKg");
        QTest::addColumn<double>("unitMass");
        QTest::addColumn<double>("pieces");
        QTest::addColumn<double>("width");
        QTest::addColumn<double>("length");
        QTest::addColumn<int>("lengthDivisor");
        QTest::addColumn<double>("expected");
        // 2000 kg of pipe of 4.62 kg/m: 432.9004329 m, one piece.
        QTest::newRow("length in millimetres") << "length" << 2000.0 << 4.62 << 1.0 << 0.0 << 0.0 << 1000
                                               << 432900.4329004329;
        QTest::newRow("length in metres") << "length" << 2000.0 << 4.62 << 1.0 << 0.0 << 0.0 << 1
                                          << 432.9004329004329;
        // 1000 kg of angle of 3.77 kg/m in 10 pieces: 26.525 m each.
        QTest::newRow("length of each of ten") << "length" << 1000.0 << 3.77 << 10.0 << 0.0 << 0.0 << 1000
                                               << 26525.198938992044;
        // 25 kg of bolts of 0.06755 kg.
        QTest::newRow("pieces") << "count" << 25.0 << 0.06755 << 0.0 << 0.0 << 0.0 << 1000 << 370.0962250185048;
        // 100 kg of mesh of 2.91 kg/m².
        QTest::newRow("area") << "count" << 100.0 << 2.91 << 0.0 << 0.0 << 0.0 << 1000 << 34.36426116838488;
        // Sheets 1500 x 6000 mm of 78.5 kg/m² (10 mm): 706.5 kg a sheet.
        QTest::newRow("sheets in millimetres") << "sheets" << 2000.0 << 78.5 << 0.0 << 1500.0 << 6000.0 << 1000
                                               << 2.830856334041047;
        QTest::newRow("sheets in metres") << "sheets" << 2000.0 << 78.5 << 0.0 << 1.5 << 6.0 << 1
                                          << 2.830856334041047;
    }
    void plainReverses()
    {
        QFETCH(QString, rule);
        QFETCH(double, massKg);
        QFETCH(double, unitMass);
        QFETCH(double, pieces);
        QFETCH(double, width);
        QFETCH(double, length);
        QFETCH(int, lengthDivisor);
        QFETCH(double, expected);
        const ReverseRules::Value value =
            rule == "length"  ? ReverseRules::LengthForMass(massKg, unitMass, pieces, lengthDivisor)
            : rule == "count" ? ReverseRules::CountForMass(massKg, unitMass)
                              : ReverseRules::SheetsForMass(massKg, unitMass, width, length, lengthDivisor);
        QCOMPARE(value.status, Status::Ok);
        QCOMPARE(value.value, expected);
    }

    void smoothSheetPerSquareMetre()
    {
        // 10 mm of steel of 7850 kg/m³.
        QCOMPARE(ReverseRules::SmoothSheetKgPerSquareMetre(10), 78.5);
    }

    // What has no answer: never a division by zero.
    void noAnswer_data()
    {
        QTest::addColumn<QString>("rule");
        QTest::addColumn<double>("massKg");
        QTest::addColumn<double>("unitMass");
        QTest::addColumn<double>("pieces");
        QTest::addColumn<double>("width");
        QTest::addColumn<double>("length");
        QTest::addColumn<Status>("status");
        QTest::newRow("length, unit mass 0") << "length" << 100.0 << 0.0 << 1.0 << 0.0 << 0.0 << Status::NoUnitMass;
        QTest::newRow("length, mass 0") << "length" << 0.0 << 4.62 << 1.0 << 0.0 << 0.0 << Status::NoMass;
        QTest::newRow("length, mass below 0") << "length" << -5.0 << 4.62 << 1.0 << 0.0 << 0.0 << Status::NoMass;
        QTest::newRow("length, no pieces") << "length" << 100.0 << 4.62 << 0.0 << 0.0 << 0.0 << Status::NoPieces;
        QTest::newRow("length, both 0: the size first") << "length" << 0.0 << 0.0 << 1.0 << 0.0 << 0.0
                                                        << Status::NoUnitMass;
        QTest::newRow("count, unit mass 0") << "count" << 25.0 << 0.0 << 0.0 << 0.0 << 0.0 << Status::NoUnitMass;
        QTest::newRow("count, mass 0") << "count" << 0.0 << 0.06755 << 0.0 << 0.0 << 0.0 << Status::NoMass;
        QTest::newRow("count beyond the range") << "count" << 1e300 << 1e-300 << 0.0 << 0.0 << 0.0
                                                << Status::TooLarge;
        QTest::newRow("sheets, unit mass 0") << "sheets" << 100.0 << 0.0 << 0.0 << 1500.0 << 6000.0
                                             << Status::NoUnitMass;
        QTest::newRow("sheets, no width") << "sheets" << 100.0 << 78.5 << 0.0 << 0.0 << 6000.0 << Status::NoSheetSize;
        QTest::newRow("sheets, no length") << "sheets" << 100.0 << 78.5 << 0.0 << 1500.0 << 0.0
                                           << Status::NoSheetSize;
        QTest::newRow("sheets, a sheet of no mass") << "sheets" << 100.0 << 78.5 << 0.0 << 1e-200 << 1e-200
                                                    << Status::NoSheetSize;
    }
    void noAnswer()
    {
        QFETCH(QString, rule);
        QFETCH(double, massKg);
        QFETCH(double, unitMass);
        QFETCH(double, pieces);
        QFETCH(double, width);
        QFETCH(double, length);
        QFETCH(Status, status);
        const ReverseRules::Value value =
            rule == "length"  ? ReverseRules::LengthForMass(massKg, unitMass, pieces, 1000)
            : rule == "count" ? ReverseRules::CountForMass(massKg, unitMass)
                              : ReverseRules::SheetsForMass(massKg, unitMass, width, length, 1000);
        QCOMPARE(value.status, status);
        QVERIFY(!ReverseRules::Message(status).isEmpty());
    }

    void roundUp_data()
    {
        QTest::addColumn<double>("exact");
        QTest::addColumn<double>("whole");
        QTest::newRow("a part of a piece is a piece") << 370.0962250185048 << 371.0;
        QTest::newRow("less than one") << 0.3 << 1.0;
        QTest::newRow("whole already") << 3.0 << 3.0;
        QTest::newRow("noise above a whole number") << 1000.0000000000001 << 1000.0;
        QTest::newRow("noise below a whole number") << 999.9999999999999 << 1000.0;
        QTest::newRow("a millionth above is more") << 2.000001 << 3.0;
    }
    void roundUp()
    {
        QFETCH(double, exact);
        QFETCH(double, whole);
        QCOMPARE(ReverseRules::RoundUpToWhole(exact), whole);
    }

    // The whole reverse on a state and a row, as the dialog asks for it: the unit mass comes out
    // of the mass rules, special codes included.
    void fromMass_data()
    {
        QTest::addColumn<int>("massColumn");
        QTest::addColumn<int>("calcMode");
        QTest::addColumn<int>("unitMassDivisor");
        QTest::addColumn<float>("unitMass");
        QTest::addColumn<int>("lengthDivisor");
        QTest::addColumn<QStringList>("cells");
        QTest::addColumn<QStringList>("inputs"); // mass, "t" for tonnes, pieces, width, length
        QTest::addColumn<MassRule>("rule");
        QTest::addColumn<double>("unitMassUsed");
        QTest::addColumn<double>("value");
        QTest::addColumn<double>("whole");
        QTest::addColumn<double>("wholeMassKg");
        // Column 2 of a pipe row: 4.62 kg/m; 2 t, the count of pieces left empty is one.
        QTest::newRow("by length, tonnes, no pieces typed")
            << 2 << 0 << 1 << 0.0f << 1000 << QStringList{"57", "3.5", "4.62"}
            << QStringList{"2", "t", "", "", ""} << MassRule::ByLength << 4.62 << 432900.4329004329 << 0.0 << 0.0;
        QTest::newRow("by length, decimal comma, metres")
            << 2 << 0 << 1 << 0.0f << 1 << QStringList{"50", "5", "3.77"}
            << QStringList{"1000,0", "", "10", "", ""} << MassRule::ByLength << 3.77 << 26.525198938992044 << 0.0 << 0.0;
        // (57 − 3.5) × 3.5 × 3.1415 × 7.85 / 1000 = 4.61773 kg/m in single precision; 100 kg.
        QTest::newRow("pipe from two dimensions")
            << -2 << 0 << 1 << 0.0f << 1000 << QStringList{"57", "3.5"}
            << QStringList{"100", "", "1", "", ""} << MassRule::ByLength << 4.61773 << 21655.66198110327 << 0.0 << 0.0;
        // 0.006² × 3.1415 / 4 × 7850 = 0.221947 kg/m in single precision; 50 kg in 4 pieces.
        QTest::newRow("general wire")
            << -3 << 0 << 1 << 0.0f << 1 << QStringList{"6"} << QStringList{"50", "", "4", "", ""}
            << MassRule::ByLength << 0.221947 << 56.31975201286794 << 0.0 << 0.0;
        QTest::newRow("fixed unit mass")
            << -1 << 0 << 1 << 113.88f << 1000 << QStringList{"Л5-УМ"} << QStringList{"1", "t", "1", "", ""}
            << MassRule::ByLength << 113.88 << 8781.173164734809 << 0.0 << 0.0;
        // 31.7 kg per 1000 nuts is 0.0317 kg a nut: 31.7 kg is 1000 nuts, no more.
        QTest::newRow("per piece, exactly whole")
            << 1 << 1 << 1000 << 0.0f << 1000 << QStringList{"12", "31.7"}
            << QStringList{"31,7", "", "", "", ""} << MassRule::PerPiece << 0.0317 << 1000.0 << 1000.0 << 31.7;
        // 67.55 kg per 1000 bolts: 25 kg is 370.096 bolts, 371 weigh 25.06105 kg.
        QTest::newRow("per piece, rounded up")
            << 2 << 1 << 1000 << 0.0f << 1000 << QStringList{"12", "60", "67.55"}
            << QStringList{"25", "", "", "", ""} << MassRule::PerPiece << 0.06755 << 370.0962250185048 << 371.0
            << 25.06105;
        QTest::newRow("welded mesh, fixed mass per m²")
            << -4 << 2 << 1 << 2.91f << 1000 << QStringList{"1"} << QStringList{"100", "", "", "", ""}
            << MassRule::PerArea << 2.91 << 34.36426116838488 << 0.0 << 0.0;
        QTest::newRow("woven mesh, column 3")
            << 3 << 2 << 1 << 0.0f << 1000 << QStringList{"5", "1.2", "1000", "4.52", "0"}
            << QStringList{"45.2", "", "", "", ""} << MassRule::PerArea << 4.52 << 10.0 << 0.0 << 0.0;
        // 10 mm: 78.5 kg/m²; 1500 x 6000 mm weighs 706.5 kg, three weigh 2119.5 kg.
        QTest::newRow("smooth sheets")
            << 0 << 3 << 1 << 0.0f << 1000 << QStringList{"10", "", "", "19903-2015"}
            << QStringList{"2", "t", "", "1500", "6000"} << MassRule::SmoothSheet << 78.5 << 2.830856334041047
            << 3.0 << 2119.5;
        // 33.5 kg/m², 1000 x 1000 mm: 100 kg is 2.985 sheets, three weigh 100.5 kg.
        QTest::newRow("ribbed sheets")
            << 4 << 4 << 1 << 0.0f << 1000 << QStringList{"4.0", "ромбическое", "5.0", "", "33.5"}
            << QStringList{"100", "", "", "1000", "1000"} << MassRule::RibbedSheet << 33.5 << 2.985074626865672
            << 3.0 << 100.5;
    }
    void fromMass()
    {
        QFETCH(int, massColumn);
        QFETCH(int, calcMode);
        QFETCH(int, unitMassDivisor);
        QFETCH(float, unitMass);
        QFETCH(int, lengthDivisor);
        QFETCH(QStringList, cells);
        QFETCH(QStringList, inputs);
        QFETCH(MassRule, rule);
        QFETCH(double, unitMassUsed);
        QFETCH(double, value);
        QFETCH(double, whole);
        QFETCH(double, wholeMassKg);
        const CalcState state = stateOf(int16_t(massColumn), int16_t(calcMode), int16_t(unitMassDivisor),
                                        unitMass, int16_t(lengthDivisor));
        const ReverseRules::Outcome outcome = ReverseRules::FromMass(
            state, rowOf(cells),
            {inputs.at(0), inputs.at(1) == "t", inputs.at(2), inputs.at(3), inputs.at(4)});
        QCOMPARE(outcome.status, Status::Ok);
        QCOMPARE(outcome.rule, rule);
        QCOMPARE(outcome.unitMass, unitMassUsed);
        QCOMPARE(outcome.value, value);
        QCOMPARE(outcome.whole, whole);
        QCOMPARE(outcome.wholeMassKg, wholeMassKg);
    }

    void fromMassWithoutAnswer_data()
    {
        QTest::addColumn<bool>("kindChosen");
        QTest::addColumn<int>("massColumn");
        QTest::addColumn<int>("calcMode");
        QTest::addColumn<QStringList>("cells");
        QTest::addColumn<QStringList>("inputs"); // mass, "t" for tonnes, pieces, width, length
        QTest::addColumn<Status>("status");
        const QStringList pipe{"57", "3.5", "4.62"};
        QTest::newRow("no kind") << false << 2 << 0 << pipe << QStringList{"100", "", "", "", ""} << Status::NoKind;
        QTest::newRow("no row") << true << 2 << 0 << QStringList{} << QStringList{"100", "", "", "", ""}
                                << Status::NoRow;
        QTest::newRow("no rule for the code") << true << -7 << 0 << pipe << QStringList{"100", "", "", "", ""}
                                              << Status::NoRule;
        QTest::newRow("no rule for the mode") << true << 2 << 9 << pipe << QStringList{"100", "", "", "", ""}
                                              << Status::NoRule;
        QTest::newRow("pipe too large for single precision") << true << -2 << 0 << QStringList{"1e39", "1"}
                                                             << QStringList{"100", "", "", "", ""}
                                                             << Status::UnitMassError;
        QTest::newRow("unit mass 0") << true << 2 << 0 << QStringList{"57", "3.5", "0"}
                                     << QStringList{"100", "", "", "", ""} << Status::NoUnitMass;
        QTest::newRow("unit mass not a number") << true << 2 << 0 << QStringList{"57", "3.5", ""}
                                                << QStringList{"100", "", "", "", ""} << Status::NoUnitMass;
        QTest::newRow("unit mass 0, mass empty: the size first")
            << true << 2 << 1 << QStringList{"57", "3.5", "0"} << QStringList{"", "", "", "", ""}
            << Status::NoUnitMass;
        QTest::newRow("empty mass") << true << 2 << 0 << pipe << QStringList{" ", "", "", "", ""}
                                    << Status::EmptyMass;
        QTest::newRow("mass 0") << true << 2 << 0 << pipe << QStringList{"0", "t", "", "", ""} << Status::NoMass;
        QTest::newRow("mass not a number") << true << 2 << 0 << pipe << QStringList{"abc", "", "", "", ""}
                                           << Status::NoMass;
        QTest::newRow("mass beyond the range") << true << 2 << 0 << pipe << QStringList{"1e308", "t", "", "", ""}
                                               << Status::TooLarge;
        QTest::newRow("pieces 0") << true << 2 << 0 << pipe << QStringList{"100", "", "0", "", ""}
                                  << Status::NoPieces;
        // 1e-20 kg of a pipe of 4.62 kg/m is 2e-18 mm: the input would take it as 0 mm.
        QTest::newRow("a length too small to type") << true << 2 << 0 << pipe << QStringList{"1e-20", "", "", "", ""}
                                                    << Status::TooSmall;
        QTest::newRow("sheet without a width") << true << 0 << 3 << QStringList{"10"}
                                               << QStringList{"100", "", "", "", "6000"} << Status::NoSheetSize;
    }
    void fromMassWithoutAnswer()
    {
        QFETCH(bool, kindChosen);
        QFETCH(int, massColumn);
        QFETCH(int, calcMode);
        QFETCH(QStringList, cells);
        QFETCH(QStringList, inputs);
        QFETCH(Status, status);
        const std::optional<CalcState> state =
            kindChosen ? std::optional<CalcState>(stateOf(int16_t(massColumn), int16_t(calcMode))) : std::nullopt;
        const ReverseRules::Outcome outcome = ReverseRules::FromMass(
            state, rowOf(cells),
            {inputs.at(0), inputs.at(1) == "t", inputs.at(2), inputs.at(3), inputs.at(4)});
        QCOMPARE(outcome.status, status);
    }

    void inputText_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<bool>("russian");
        QTest::addColumn<QString>("text");
        QTest::newRow("ten digits, comma") << 432900.4329004329 << true << "432900,4329";
        QTest::newRow("ten digits, point") << 432900.4329004329 << false << "432900.4329";
        QTest::newRow("small") << 0.0000001234 << true << "0,0000001234";
        QTest::newRow("whole, no decimals") << 1000.0 << true << "1000";
        QTest::newRow("noise dropped") << 999.9999999999999 << true << "1000";
        QTest::newRow("trailing zeros dropped") << 2.5 << true << "2,5";
        QTest::newRow("large, no grouping") << 12345678901.5 << true << "12345678902";
    }
    void inputText()
    {
        QFETCH(double, value);
        QFETCH(bool, russian);
        QFETCH(QString, text);
        const QLocale locale = russian ? QLocale(QLocale::Russian, QLocale::Russia) : QLocale::c();
        QCOMPARE(ReverseRules::InputText(value, locale), text);
    }
};

QTEST_GUILESS_MAIN(TestReverseRules)
#include "tst_reverserules.moc"
