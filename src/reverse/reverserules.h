#pragma once

#include "calc/massrules.h"

#include <QLocale>
#include <QString>

#include <optional>

// From a total mass back to the input that gives it, by the rule of the chosen kind: the
// length of one piece, the number of pieces, the area or the number of sheets. Each reverse
// rule undoes one rule of ComputeMasses on the same unit mass, so the input it gives makes the
// main window show the mass that was typed.
namespace ReverseRules {

enum class Status {
    Ok,
    NoKind,        // no kind is chosen
    NoRow,         // the kind's table has no chosen size
    NoRule,        // the kind's rule has no reverse
    UnitMassError, // the unit mass cannot be worked out (a spacing of 0, a figure too large)
    NoUnitMass,    // the unit mass is 0
    EmptyMass,     // no mass typed
    NoMass,        // a mass of 0 or less
    NoPieces,      // by length: a count of pieces of 0 or less
    NoSheetSize,   // sheets: a width or length of 0 or less
    TooLarge,      // the answer is beyond the range of numbers
    TooSmall,      // a length or area so small that the input would take it as 0
};

// A reverse rule's answer: the value when the status is Ok.
struct Value
{
    Status status = Status::Ok;
    double value = 0;
};

// The plain reverses, a mass in kilograms and a unit mass as the rules compute with it.
// By length: the length of one piece, in the length unit (1 metres, 1000 millimetres), of
// pieces that together weigh the mass.
Value LengthForMass(double massKg, double kgPerMetre, double pieces, int lengthDivisor);
// Per piece (kg a piece) and per area (kg per m²): the number of pieces, or the area in m².
Value CountForMass(double massKg, double unitMass);
// Sheets: how many sheets of this width and length (in the length unit) weigh the mass.
Value SheetsForMass(double massKg, double kgPerSquareMetre, double width, double length,
                    int lengthDivisor);
// The mass of 1 m² of smooth sheet of a thickness in millimetres, as the sheet rule reckons it.
double SmoothSheetKgPerSquareMetre(double thicknessMm);

// A count rounded up to whole pieces or sheets; what lies within the rounding noise of a whole
// number is that number (31.7 kg of nuts of 0.0317 kg is 1000 nuts, not 1001).
double RoundUpToWhole(double exact);

// What the dialog hands over, as typed; numbers are read as the main window reads its inputs.
struct Inputs
{
    QString mass;
    bool tonnes = false;
    QString pieces; // by length: the count of pieces the length is for; empty is 1
    QString width;  // sheets, in the length unit
    QString length;
};

struct Outcome
{
    MassRule rule = MassRule::None;
    Status status = Status::NoRule;
    double unitMass = 0;  // kg per metre, per piece or per m² (sheets: per m² of the sheet)
    double value = 0;     // the length of one piece, the pieces, the area or the sheets
    double pieces = 0;    // by length: the count of pieces the length is for
    double whole = 0;     // pieces and sheets: the count rounded up
    double wholeMassKg = 0; // pieces and sheets: the mass of the whole count, by the mass rules
};

// The reverse for the chosen kind and size: the state as the main window holds it (nothing when
// no kind is chosen) and its current row. The unit mass is the one ComputeMasses works out, on
// a copy of the state, so the codes -2, -3 and -4 reverse as the others.
Outcome FromMass(const std::optional<CalcState> &state, const CellReader &cell, const Inputs &inputs);

// What the dialog says when there is no answer; empty for Ok.
QString Message(Status status);

// A value as the main window's input takes it back: ten significant digits, no grouping, no
// trailing zeros, the regional decimal comma where the region writes one, else a point.
QString InputText(double value, const QLocale &locale = QLocale());

} // namespace ReverseRules
