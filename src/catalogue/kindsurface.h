#pragma once

#include "calc/massrules.h"
#include "catalogue/catalogue.h"

#include <QString>

#include <optional>

// The outer surface of a kind's size, worked out from the row's dimensions by the kind's surface
// rule (SectionSurface): m² a metre, or for sheet m² a square metre (both faces). Plain
// functions of the catalogue, for the size grid, the results and the materials list alike.
namespace KindSurface {

// The surface of 1 m (1 m² for sheet) of the row at position row, its cells read by cell;
// nothing for a kind without a surface rule, or a row whose dimensions are not all there.
std::optional<double> perUnit(const Catalogue::Kind &kind, int row, const CellReader &cell);

// The surface of one piece and of all of them, m²: a length of the kind (its surface of 1 m times
// the length in metres) or a sheet (both faces of width × length), and times the pieces.
struct PieceSurface
{
    double onePiece = 0;
    double total = 0;
};
// From the surface of 1 m or 1 m² and the inputs in the length unit of lengthDivisor (1 metres,
// 1000 millimetres); nothing for an input below 0 or no length unit.
std::optional<PieceSurface> ofPieces(const Catalogue::Kind &kind, double perUnit, const CalcInputs &inputs,
                                     int16_t lengthDivisor);

// Whether the kind has a surface at all.
bool hasSurface(const Catalogue::Kind &kind);
// Whether the kind's surface is per square metre (sheet) rather than per metre.
bool perSquareMetre(const Catalogue::Kind &kind);
// The size grid's heading of the surface column: "Площадь пов., м2/м" (м2/м2 for sheet).
QString heading(const Catalogue::Kind &kind);

} // namespace KindSurface
