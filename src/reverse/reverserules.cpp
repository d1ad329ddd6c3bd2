#include "reverse/reverserules.h"

#include "calc/readnumber.h"

#include <algorithm>
#include <cmath>

namespace ReverseRules {

namespace {

constexpr double SteelDensity = 7850; // kg/m³, as the sheet rule takes it

bool positive(double value)
{
    return std::isfinite(value) && value > 0;
}

Value answer(double value)
{
    return std::isfinite(value) ? Value{Status::Ok, value} : Value{Status::TooLarge, 0};
}

// A typed count of pieces: empty is one piece.
double piecesOf(const QString &text)
{
    return text.trimmed().isEmpty() ? 1 : ReadInputNumber(text);
}

} // namespace

// mass = kg/m × L / LengthDivisor × N, so L = mass / (kg/m × N) × LengthDivisor.
Value LengthForMass(double massKg, double kgPerMetre, double pieces, int lengthDivisor)
{
    if (!positive(kgPerMetre))
        return {Status::NoUnitMass, 0};
    if (!positive(massKg))
        return {Status::NoMass, 0};
    if (!positive(pieces))
        return {Status::NoPieces, 0};
    return answer(massKg / (kgPerMetre * pieces) * lengthDivisor);
}

// mass = unit mass × N (or × A).
Value CountForMass(double massKg, double unitMass)
{
    if (!positive(unitMass))
        return {Status::NoUnitMass, 0};
    if (!positive(massKg))
        return {Status::NoMass, 0};
    return answer(massKg / unitMass);
}

// mass = kg/m² × L / LengthDivisor × W / LengthDivisor × N.
Value SheetsForMass(double massKg, double kgPerSquareMetre, double width, double length,
                    int lengthDivisor)
{
    if (!positive(kgPerSquareMetre))
        return {Status::NoUnitMass, 0};
    if (!positive(massKg))
        return {Status::NoMass, 0};
    const double sheetKg = kgPerSquareMetre * length / lengthDivisor * width / lengthDivisor;
    if (!positive(width) || !positive(length) || !positive(sheetKg))
        return {Status::NoSheetSize, 0};
    return answer(massKg / sheetKg);
}

double SmoothSheetKgPerSquareMetre(double thicknessMm)
{
    return thicknessMm / 1000 * SteelDensity;
}

double RoundUpToWhole(double exact)
{
    const double nearest = std::round(exact);
    if (std::fabs(exact - nearest) <= 1e-9 * std::max(1.0, std::fabs(exact)))
        return nearest;
    return std::ceil(exact);
}

namespace {

// The rule and the unit mass as the main window's rules leave them, worked out on a copy of the
// state, whose mass unit becomes kilograms for the whole count's mass; nothing, the outcome
// saying why, where they give none.
std::optional<CalcState> unitMassRules(const std::optional<CalcState> &state, const CellReader &cell,
                                       Outcome &outcome)
{
    if (!state) {
        outcome.status = Status::NoKind;
        return std::nullopt;
    }
    outcome.rule = MassRuleOf(*state);
    if (outcome.rule == MassRule::None)
        return std::nullopt;
    CalcState rules = *state;
    rules.MassDivisor = 1;
    switch (ComputeMasses(rules, CalcInputs{}, cell).kind) {
    case CalcOutcome::Kind::Results: break;
    case CalcOutcome::Kind::NoRow: outcome.status = Status::NoRow; return std::nullopt;
    case CalcOutcome::Kind::NoMass: outcome.status = Status::NoUnitMass; return std::nullopt;
    case CalcOutcome::Kind::ArithmeticError:
    case CalcOutcome::Kind::DivisionByZero:
    case CalcOutcome::Kind::NegativeInput: outcome.status = Status::UnitMassError; return std::nullopt;
    case CalcOutcome::Kind::NoChange: outcome.status = Status::NoRule; return std::nullopt;
    }
    const double unitMass = WidenUnitMass(rules.UnitMass);
    outcome.unitMass = outcome.rule == MassRule::SmoothSheet ? SmoothSheetKgPerSquareMetre(unitMass) : unitMass;
    return rules;
}

} // namespace

Outcome FromMass(const std::optional<CalcState> &state, const CellReader &cell, const Inputs &inputs)
{
    Outcome outcome;
    std::optional<CalcState> found = unitMassRules(state, cell, outcome);
    if (!found)
        return outcome;
    CalcState &rules = *found;

    if (inputs.mass.trimmed().isEmpty() && positive(outcome.unitMass)) {
        outcome.status = Status::EmptyMass;
        return outcome;
    }
    const double massKg = ReadInputNumber(inputs.mass) * (inputs.tonnes ? 1000 : 1);
    if (!std::isfinite(massKg)) {
        outcome.status = Status::TooLarge;
        return outcome;
    }
    const double width = ReadInputNumber(inputs.width);
    const double length = ReadInputNumber(inputs.length);
    Value value;
    switch (outcome.rule) {
    case MassRule::ByLength:
        outcome.pieces = piecesOf(inputs.pieces);
        value = LengthForMass(massKg, outcome.unitMass, outcome.pieces, state->LengthDivisor);
        break;
    case MassRule::PerPiece:
    case MassRule::PerArea: value = CountForMass(massKg, outcome.unitMass); break;
    case MassRule::SmoothSheet:
    case MassRule::RibbedSheet:
        value = SheetsForMass(massKg, outcome.unitMass, width, length, state->LengthDivisor);
        break;
    case MassRule::None: break;
    }
    outcome.status = value.status;
    outcome.value = value.value;
    if (value.status != Status::Ok)
        return outcome;
    // A length or area is applied as the input's text: one that text writes as 0 would give
    // no mass at all, not the mass typed.
    if ((outcome.rule == MassRule::ByLength || outcome.rule == MassRule::PerArea)
        && ReadNumber(InputText(outcome.value, QLocale::c())) == 0) {
        outcome.status = Status::TooSmall;
        return outcome;
    }

    if (outcome.rule == MassRule::PerPiece || outcome.rule == MassRule::SmoothSheet
        || outcome.rule == MassRule::RibbedSheet) {
        outcome.whole = RoundUpToWhole(outcome.value);
        // What the main window will show for the whole count: its own rule says.
        const CalcOutcome whole = ComputeMasses(rules, CalcInputs{width, length, outcome.whole, 0}, cell);
        if (whole.kind != CalcOutcome::Kind::Results) {
            outcome.status = Status::TooLarge;
            return outcome;
        }
        outcome.wholeMassKg = whole.total;
    }
    return outcome;
}

QString Message(Status status)
{
    switch (status) {
    case Status::Ok: return QString();
    case Status::NoKind: return QStringLiteral("Сначала выберите изделие и его размер в таблице.");
    case Status::NoRow: return QStringLiteral("В таблице не выбран размер: пересчитывать не из чего.");
    case Status::NoRule: return QStringLiteral("Для этого изделия пересчёт из массы не предусмотрен.");
    case Status::UnitMassError:
        return QStringLiteral("Массу единицы выбранного размера вычислить нельзя: пересчёт невозможен.");
    case Status::NoUnitMass:
        return QStringLiteral("У выбранного размера масса единицы равна нулю: пересчёт из массы невозможен.");
    case Status::EmptyMass: return QStringLiteral("Введите массу.");
    case Status::NoMass: return QStringLiteral("Масса должна быть больше нуля.");
    case Status::NoPieces: return QStringLiteral("Количество штук должно быть больше нуля.");
    case Status::NoSheetSize: return QStringLiteral("Ширина и длина листа должны быть больше нуля.");
    case Status::TooLarge: return QStringLiteral("Слишком большое значение: пересчёт невозможен.");
    case Status::TooSmall:
        return QStringLiteral("Слишком малая масса: ответ меньше самого малого числа, которое можно ввести.");
    }
    return QString();
}

QString InputText(double value, const QLocale &locale)
{
    const int magnitude = value != 0 && std::isfinite(value) ? int(std::floor(std::log10(std::fabs(value)))) : 0;
    const int decimals = std::clamp(9 - magnitude, 0, 15);
    QString text = QString::number(value, 'f', decimals);
    if (text.contains(QLatin1Char('.'))) {
        while (text.endsWith(QLatin1Char('0')))
            text.chop(1);
        if (text.endsWith(QLatin1Char('.')))
            text.chop(1);
    }
    if (locale.decimalPoint() == QStringLiteral(","))
        text.replace(QLatin1Char('.'), QLatin1Char(','));
    return text;
}

} // namespace ReverseRules
