#pragma once

#include "calc/massrules.h"
#include "catalogue/catalogue.h"
#include "catalogue/productoption.h"

#include <QList>

#include <optional>

// What moving to a size row sets, by the kind's own rules: the drawing by row, the mesh
// tables' options and mass rules by row, the welded rolls' fixed masses. Plain functions of the
// catalogue; the calculator session applies them.
namespace SizeSelection {

// The mass rule a row sets: the column of its unit mass read per area, or a mass fixed by the
// row, or one worked out from the row's wire spacings and the chosen wire.
struct RowRule
{
    int16_t massColumn;
    CalcModeCode calcMode = CalcModeCode::PerArea;
    int16_t unitMassDivisor = 1;
};

struct RowSelection
{
    // The drawing to show; nullptr where the kind is drawn once (its drawing stays).
    const char *drawing = nullptr;
    // The product options shown; nothing where the kind leaves them as they are.
    std::optional<QList<ProductOption>> shownOptions;
    // An option chosen as the user's click would choose it, with its own rule.
    std::optional<ProductOption> choose;
    std::optional<RowRule> rule;
    std::optional<float> unitMass;
    // Why the row gives no unit mass (a welded mesh's spacing of 0): the results say so and
    // the computation stops there.
    std::optional<CalcOutcome::Kind> failure;
};

// The selection for the row at position row (0 or more) of the kind's table, its cells read by
// cell, the option chosen before the move being chosen.
RowSelection selectRow(const Catalogue::Kind &kind, int row, const CellReader &cell, ProductOption chosen);

// The drawing of a row; nullptr for a kind drawn once.
const char *rowDrawing(const Catalogue::Kind &kind, int row);

// The options a row can be computed with; {None} where the kind has none for the row.
QList<ProductOption> optionsFor(const Catalogue::Kind &kind, int row);

// The wire factor of a wire option; nothing for the other options.
std::optional<double> wireFactor(ProductOption option);

// The unit mass of a welded mesh from the row's spacings (columns 3 and 4) and the wire
// option, or why there is none (a spacing of 0); nothing at all for an option that is no wire
// or a row without both cells.
struct WireMass
{
    std::optional<float> unitMass;
    CalcOutcome::Kind failure = CalcOutcome::Kind::Results;
};
std::optional<WireMass> weldedMeshMass(const CellReader &cell, ProductOption option);

// The state a cell-shape option sets: the mass column of its shape, per area.
RowRule cellShapeRule(ProductOption option);

// The mass of 1 m² a welded roll of the row has; nothing for the other rows and kinds.
std::optional<float> rollMass(const Catalogue::Kind &kind, int row);

} // namespace SizeSelection
