#pragma once

#include <QString>

#include <cstdint>
#include <functional>
#include <optional>

// The codes of CalcState::CalcMode: which rule a unit mass read from a column goes into.
enum class CalcModeCode : int16_t { ByLength = 0, PerPiece = 1, PerArea = 2, SmoothSheet = 3, RibbedSheet = 4 };

// The negative codes of CalcState::MassColumn: the unit mass comes from elsewhere than one
// column of the row (fixed by the kind or the size, worked out from a pipe's or a wire's size,
// or a welded mesh's, computed per area).
enum class MassSource : int16_t { Fixed = -1, Pipe = -2, Wire = -3, WeldedMesh = -4 };

// The calculation state the kind, the size and the options set. The widths are those the
// rules are defined on: 16-bit integers and a single-precision unit mass; the codes are kept
// as the numbers the rules were written with, named by CalcModeCode and MassSource.
struct CalcState
{
    int16_t MassDivisor = 0;     // 1 kilograms, 1000 tonnes
    int16_t LengthDivisor = 0;   // 1 metres, 1000 millimetres
    int16_t UnitMassDivisor = 0; // 1 or 1000 for tables of the mass of 1000 pieces
    int16_t CalcMode = 0;        // a CalcModeCode
    int16_t MassColumn = 0;      // column of the unit mass, or a MassSource
    float UnitMass = 0.0f;

    // The rule and the column of a unit mass read from the row, set together.
    void setColumnRule(int16_t massColumn, CalcModeCode mode, int16_t unitMassDivisor = 1)
    {
        MassColumn = massColumn;
        CalcMode = int16_t(mode);
        UnitMassDivisor = unitMassDivisor;
    }
};

constexpr int16_t code(MassSource source)
{
    return int16_t(source);
}

// The four inputs, as numbers.
struct CalcInputs
{
    double width = 0;  // W, in the length unit
    double length = 0; // L, in the length unit
    double pieces = 0; // N
    double area = 0;   // A, m²
};

struct CalcOutcome
{
    enum class Kind {
        Results,         // both masses computed
        NoChange,        // no rule applies: the outputs stay as they are
        NoRow,           // a rule needs a cell and there is no current row
        NoMass,          // a cell the unit mass comes from holds no number (empty, a dash, a word)
        ArithmeticError, // overflow or an invalid operation
        DivisionByZero,  // a welded mesh's spacing of 0
        NegativeInput,   // an input the rule reads is below zero: no mass is negative
    };
    Kind kind = Kind::NoChange;
    double onePiece = 0;
    double total = 0;
};

// Which of the mass rules a state applies: by its MassColumn code, then by its CalcMode. The
// rules differ in the inputs they read: by length the length and the pieces, per piece the
// pieces, per area the area, the two sheet rules the width, the length and the pieces (the
// smooth sheet's unit mass being its thickness).
enum class MassRule { None, ByLength, PerPiece, PerArea, SmoothSheet, RibbedSheet };
MassRule MassRuleOf(const CalcState &state);

// The text of a column of the current row, or nothing when there is no current row.
using CellReader = std::function<std::optional<QString>(int column)>;

// The mass of one piece and the total mass from the state, the inputs and the current row.
// Updates state.UnitMass where the rule reads it from the row (every MassColumn of 0 or more,
// codes -2 and -3), even when a later step fails, as the rules go step by step. A negative
// length, width, count or area that the rule reads gives no figures (NegativeInput): a mass
// below zero, or one made positive by two negative inputs, is no mass of anything.
CalcOutcome ComputeMasses(CalcState &state, const CalcInputs &inputs, const CellReader &cell);

// The unit mass of a welded mesh from the two wire spacings a and b (mm) and the wire factor k:
// (950 / a + 950 / b + 2) × k, in double, stored as single precision. Nothing on an arithmetic
// error (a spacing of 0).
std::optional<float> WeldedMeshUnitMass(double a, double b, double k);

// The single-precision unit mass as the rules compute with it: widened through the decimal
// digits it holds (0.1475f is 0.1475, not 0.14749999). Whatever works back from a mass to an
// input uses the same figure, so it agrees with the rules to the last digit.
double WidenUnitMass(float unitMass);

// Why WeldedMeshUnitMass gives nothing for the spacings a and b.
CalcOutcome::Kind WeldedMeshFailure(double a, double b);

// The wire factors of the welded-mesh options "3мм", "4мм", "5мм".
namespace WireFactor {
inline constexpr double Mm3 = 0.052;
inline constexpr double Mm4 = 0.092;
inline constexpr double Mm5 = 0.144;
} // namespace WireFactor
