#include "catalogue/sizeselection.h"

#include "calc/readnumber.h"

namespace SizeSelection {

namespace {

using Catalogue::MeshForm;

const QList<ProductOption> CellShapes{ProductOption::Rhombic, ProductOption::Square};
const QList<ProductOption> Wires{ProductOption::Wire3, ProductOption::Wire4, ProductOption::Wire5};

double number(const CellReader &cell, int column)
{
    return ReadNumber(cell(column).value_or(QString()));
}

// A woven mesh made with rhombic cells, square ones or both (a figure above 0 in the mass
// column of the shape): the option of the one shape made is chosen and the other hidden; of
// both, the chosen shape stays (rhombic when neither is chosen), so what the user sees is what
// is computed. A row with neither keeps the options and the rule as they are.
void shapedWovenMesh(RowSelection &selection, double rhombic, double square, ProductOption chosen)
{
    selection.shownOptions = CellShapes;
    if (rhombic > 0 && square > 0) {
        if (chosen != ProductOption::Rhombic && chosen != ProductOption::Square)
            selection.choose = ProductOption::Rhombic;
        selection.rule = cellShapeRule(selection.choose.value_or(chosen));
    } else if (rhombic > 0 && square == 0) {
        selection.choose = ProductOption::Rhombic;
        selection.shownOptions = QList{ProductOption::Rhombic};
    } else if (square > 0 && rhombic == 0) {
        selection.choose = ProductOption::Square;
        selection.shownOptions = QList{ProductOption::Square};
    }
}

// Woven cloth: no cell shape, its mass of 1 m² in column 6.
constexpr int WovenClothMassColumn = 6;

void wovenMesh(RowSelection &selection, const Catalogue::Kind &kind, int row, const CellReader &cell,
               ProductOption chosen)
{
    if (row <= kind.mesh.lastRow) {
        shapedWovenMesh(selection, number(cell, 3), number(cell, 4), chosen);
        return;
    }
    selection.shownOptions = QList<ProductOption>();
    selection.rule = RowRule{WovenClothMassColumn};
}

void weldedMesh(RowSelection &selection, const Catalogue::Kind &kind, int row, const CellReader &cell,
                ProductOption chosen)
{
    if (const std::optional<float> fixed = rollMass(kind, row)) {
        selection.shownOptions = QList<ProductOption>();
        selection.unitMass = fixed;
        return;
    }
    selection.shownOptions = Wires;
    if (const std::optional<WireMass> mass = weldedMeshMass(cell, chosen)) {
        selection.unitMass = mass->unitMass;
        if (!mass->unitMass)
            selection.failure = mass->failure;
    }
}

} // namespace

const char *rowDrawing(const Catalogue::Kind &kind, int row)
{
    const Catalogue::RowDrawings &drawings = kind.drawings;
    if (!drawings.first || row < 0)
        return nullptr;
    return row <= drawings.lastRowOfFirst ? drawings.first : drawings.second;
}

RowSelection selectRow(const Catalogue::Kind &kind, int row, const CellReader &cell, ProductOption chosen)
{
    RowSelection selection;
    selection.drawing = rowDrawing(kind, row);
    if (kind.mesh.form == MeshForm::Woven)
        wovenMesh(selection, kind, row, cell, chosen);
    else if (kind.mesh.form == MeshForm::Welded)
        weldedMesh(selection, kind, row, cell, chosen);
    return selection;
}

QList<ProductOption> optionsFor(const Catalogue::Kind &kind, int row)
{
    if (kind.mesh.form == MeshForm::Woven && row <= kind.mesh.lastRow)
        return CellShapes;
    if (kind.mesh.form == MeshForm::Welded && row > kind.mesh.lastRow)
        return Wires;
    return {ProductOption::None};
}

std::optional<double> wireFactor(ProductOption option)
{
    switch (option) {
    case ProductOption::Wire3: return WireFactor::Mm3;
    case ProductOption::Wire4: return WireFactor::Mm4;
    case ProductOption::Wire5: return WireFactor::Mm5;
    case ProductOption::None:
    case ProductOption::Rhombic:
    case ProductOption::Square: break;
    }
    return std::nullopt;
}

std::optional<WireMass> weldedMeshMass(const CellReader &cell, ProductOption option)
{
    const std::optional<double> k = wireFactor(option);
    const std::optional<QString> a = cell(3);
    const std::optional<QString> b = cell(4);
    if (!k || !a || !b)
        return std::nullopt;
    const double spacingA = ReadNumber(*a);
    const double spacingB = ReadNumber(*b);
    const std::optional<float> unitMass = WeldedMeshUnitMass(spacingA, spacingB, *k);
    if (!unitMass)
        return WireMass{std::nullopt, WeldedMeshFailure(spacingA, spacingB)};
    return WireMass{unitMass};
}

RowRule cellShapeRule(ProductOption option)
{
    return RowRule{int16_t(option == ProductOption::Square ? 4 : 3)};
}

std::optional<float> rollMass(const Catalogue::Kind &kind, int row)
{
    if (kind.mesh.form != MeshForm::Welded || row < 0 || row > kind.mesh.lastRow || !kind.mesh.rollMasses)
        return std::nullopt;
    return kind.mesh.rollMasses[row];
}

} // namespace SizeSelection
