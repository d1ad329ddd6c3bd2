#include "calc/massrules.h"

#include "calc/readnumber.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace {

constexpr double Pi = 3.1415;
constexpr double SteelDensity = 7850;       // kg/m³
constexpr double SteelDensityPerMm = 7.85;  // the pipe rule's dimensions are in millimetres

bool isFiniteNumber(double value)
{
    return std::isfinite(value);
}

// Storing into a single-precision field fails, as an overflow, when the value does not fit.
std::optional<float> toSingle(double value)
{
    if (!isFiniteNumber(value) || std::fabs(value) > std::numeric_limits<float>::max())
        return std::nullopt;
    return static_cast<float>(value);
}

// A single-precision figure stands for the decimal it was made from, which it holds to 7
// significant digits, and is widened through those digits: 147.5 kg per 1000 bolts is 0.1475 kg
// a bolt and rounds to 0.148, where the bare binary value 0.14749999 would round to 0.147.
double widen(float value)
{
    char digits[32];
    const auto written = std::to_chars(digits, digits + sizeof digits, double(value),
                                       std::chars_format::scientific, 6);
    double widened = value;
    std::from_chars(digits, written.ptr, widened);
    return widened;
}

CalcOutcome without(CalcOutcome::Kind why)
{
    return {why, 0, 0};
}

CalcOutcome error()
{
    return without(CalcOutcome::Kind::ArithmeticError);
}

// A cell's number, or why there is none: no current row, or no number in the cell.
struct CellNumber
{
    std::optional<double> value;
    CalcOutcome::Kind missing;
};

CellNumber cellNumber(const CellReader &cell, int column)
{
    const std::optional<QString> text = cell(column);
    if (!text)
        return {std::nullopt, CalcOutcome::Kind::NoRow};
    return {ReadLeadingNumber(*text), CalcOutcome::Kind::NoMass};
}

CalcOutcome results(double onePiece, double total)
{
    if (!isFiniteNumber(onePiece) || !isFiniteNumber(total))
        return error();
    if (onePiece < 0 || total < 0)
        return without(CalcOutcome::Kind::NegativeInput);
    // A zero reached through a negative factor is -0, which would be shown as "-0,0".
    return {CalcOutcome::Kind::Results, onePiece + 0.0, total + 0.0};
}

// Whether an input that the rule reads is below zero.
bool readsNegative(MassRule rule, const CalcInputs &in)
{
    switch (rule) {
    case MassRule::ByLength: return in.length < 0 || in.pieces < 0;
    case MassRule::PerPiece: return in.pieces < 0;
    case MassRule::PerArea: return in.area < 0;
    case MassRule::SmoothSheet:
    case MassRule::RibbedSheet: return in.width < 0 || in.length < 0 || in.pieces < 0;
    case MassRule::None: break;
    }
    return false;
}

// Every expression is evaluated left to right in double, the single-precision unit mass (as
// its decimal digits) and the 16-bit divisors widened first.
CalcOutcome byLength(const CalcState &s, const CalcInputs &in)
{
    const double um = widen(s.UnitMass);
    return results(um * in.length / s.LengthDivisor / s.MassDivisor,
                   um * in.length / s.LengthDivisor * in.pieces / s.MassDivisor);
}

// The mass of one piece (or of 1 m²) is computed in single precision on purpose.
CalcOutcome perUnit(const CalcState &s, double count)
{
    const float one = s.UnitMass / static_cast<float>(s.MassDivisor);
    const double um = widen(s.UnitMass);
    return results(widen(one), um * count / s.MassDivisor);
}

CalcOutcome smoothSheet(const CalcState &s, const CalcInputs &in)
{
    const double um = widen(s.UnitMass); // thickness, mm
    return results(um / 1000 * SteelDensity * in.length / s.LengthDivisor * in.width / s.LengthDivisor
                       / s.MassDivisor,
                   um / 1000 * SteelDensity * in.length / s.LengthDivisor * in.width / s.LengthDivisor
                       * in.pieces / s.MassDivisor);
}

CalcOutcome ribbedSheet(const CalcState &s, const CalcInputs &in)
{
    const double um = widen(s.UnitMass); // kg per m²
    return results(um * in.length / s.LengthDivisor * in.width / s.LengthDivisor / s.MassDivisor,
                   um * in.length / s.LengthDivisor * in.width / s.LengthDivisor * in.pieces
                       / s.MassDivisor);
}

} // namespace

double WidenUnitMass(float unitMass)
{
    return widen(unitMass);
}

std::optional<float> WeldedMeshUnitMass(double a, double b, double k)
{
    return toSingle((950 / a + 950 / b + 2) * k);
}

CalcOutcome::Kind WeldedMeshFailure(double a, double b)
{
    return a == 0 || b == 0 ? CalcOutcome::Kind::DivisionByZero : CalcOutcome::Kind::ArithmeticError;
}

namespace {

// The unit mass of a pipe from its outer diameter and wall (columns 0 and 1, mm).
CalcOutcome pipeByLength(CalcState &state, const CalcInputs &inputs, const CellReader &cell)
{
    const CellNumber outer = cellNumber(cell, 0);
    if (!outer.value)
        return without(outer.missing);
    const CellNumber wall = cellNumber(cell, 1);
    if (!wall.value)
        return without(wall.missing);
    const auto d = toSingle(*outer.value);
    const auto s = toSingle(*wall.value);
    if (!d || !s)
        return error();
    const double D = widen(*d);
    const double t = widen(*s);
    const auto unitMass = toSingle((D - t) * (t * Pi * SteelDensityPerMm) / 1000);
    if (!unitMass)
        return error();
    state.UnitMass = *unitMass;
    return byLength(state, inputs);
}

// The unit mass of a wire from its diameter (column 0, mm).
CalcOutcome wireByLength(CalcState &state, const CalcInputs &inputs, const CellReader &cell)
{
    const CellNumber diameter = cellNumber(cell, 0);
    if (!diameter.value)
        return without(diameter.missing);
    const auto d = toSingle(*diameter.value / 1000);
    if (!d)
        return error();
    const double dm = widen(*d);
    const auto unitMass = toSingle(dm * dm * Pi / 4 * SteelDensity);
    if (!unitMass)
        return error();
    state.UnitMass = *unitMass;
    return byLength(state, inputs);
}

// The unit mass read from the row's mass column, then the rule of the CalcMode.
CalcOutcome byColumn(CalcState &state, const CalcInputs &inputs, const CellReader &cell)
{
    const CellNumber read = cellNumber(cell, state.MassColumn);
    if (!read.value)
        return without(read.missing);
    const auto unitMass = toSingle(*read.value / state.UnitMassDivisor);
    if (!unitMass)
        return error();
    state.UnitMass = *unitMass;
    switch (MassRuleOf(state)) {
    case MassRule::ByLength: return byLength(state, inputs);
    case MassRule::PerPiece: return perUnit(state, inputs.pieces);
    case MassRule::PerArea: return perUnit(state, inputs.area);
    case MassRule::SmoothSheet: return smoothSheet(state, inputs);
    case MassRule::RibbedSheet: return ribbedSheet(state, inputs);
    case MassRule::None: break;
    }
    return without(CalcOutcome::Kind::NoChange);
}

CalcOutcome computeMasses(CalcState &state, const CalcInputs &inputs, const CellReader &cell)
{
    for (double input : {inputs.width, inputs.length, inputs.pieces, inputs.area})
        if (!isFiniteNumber(input))
            return error();

    switch (MassSource(state.MassColumn)) {
    case MassSource::Fixed: return byLength(state, inputs);
    case MassSource::Pipe: return pipeByLength(state, inputs, cell);
    case MassSource::Wire: return wireByLength(state, inputs, cell);
    case MassSource::WeldedMesh: return perUnit(state, inputs.area);
    }
    if (state.MassColumn < 0)
        return without(CalcOutcome::Kind::NoChange);
    return byColumn(state, inputs, cell);
}

} // namespace

CalcOutcome ComputeMasses(CalcState &state, const CalcInputs &inputs, const CellReader &cell)
{
    const CalcOutcome outcome = computeMasses(state, inputs, cell);
    if (outcome.kind == CalcOutcome::Kind::Results && readsNegative(MassRuleOf(state), inputs))
        return without(CalcOutcome::Kind::NegativeInput);
    return outcome;
}

MassRule MassRuleOf(const CalcState &state)
{
    switch (MassSource(state.MassColumn)) {
    case MassSource::Fixed:
    case MassSource::Pipe:
    case MassSource::Wire: return MassRule::ByLength;
    case MassSource::WeldedMesh: return MassRule::PerArea;
    }
    if (state.MassColumn < 0)
        return MassRule::None;
    switch (CalcModeCode(state.CalcMode)) {
    case CalcModeCode::ByLength: return MassRule::ByLength;
    case CalcModeCode::PerPiece: return MassRule::PerPiece;
    case CalcModeCode::PerArea: return MassRule::PerArea;
    case CalcModeCode::SmoothSheet: return MassRule::SmoothSheet;
    case CalcModeCode::RibbedSheet: return MassRule::RibbedSheet;
    }
    return MassRule::None;
}
