#include "bom/bomcapture.h"

#include "bom/bomdesignation.h"
#include "calc/readnumber.h"

namespace {

bool isWovenMesh(const Catalogue::Kind &kind)
{
    const BomDesignation::Rule *rule = BomDesignation::ruleFor(kind);
    return rule && rule->extra == BomDesignation::Extra::CellShape;
}

bool isWeldedMesh(const Catalogue::Kind &kind)
{
    const BomDesignation::Rule *rule = BomDesignation::ruleFor(kind);
    return rule && rule->extra == BomDesignation::Extra::WireDiameter;
}

std::optional<double> wireFactor(ProductOption option)
{
    switch (option) {
    case ProductOption::Wire3: return WireFactor::Mm3;
    case ProductOption::Wire4: return WireFactor::Mm4;
    case ProductOption::Wire5: return WireFactor::Mm5;
    default: return std::nullopt;
    }
}

std::optional<float> weldedUnitMass(const QStringList &cells, ProductOption option)
{
    const std::optional<double> k = wireFactor(option);
    if (!k)
        return std::nullopt;
    return WeldedMeshUnitMass(ReadNumber(cells.value(3)), ReadNumber(cells.value(4)), *k);
}

// A figure in millimetres from one in the window's length unit, kept to 15 significant digits
// so that 1.1 m is 1100 mm and not the double just above it.
double toMillimetres(double value, int16_t lengthDivisor)
{
    if (lengthDivisor == 1000)
        return value;
    return QString::number(value * 1000 / lengthDivisor, 'g', 15).toDouble();
}

} // namespace

ProductOption optionOf(const Catalogue::Kind &kind, int rowPosition, const QStringList &cells,
                       const CalcState &state)
{
    if (isWovenMesh(kind) && rowPosition <= MeshRows::LastShapedWovenMesh)
        return state.MassColumn == 4 ? ProductOption::Square : ProductOption::Rhombic;
    if (isWeldedMesh(kind) && rowPosition > MeshRows::LastRollWeldedMesh) {
        for (ProductOption option : {ProductOption::Wire3, ProductOption::Wire4, ProductOption::Wire5})
            if (weldedUnitMass(cells, option) == state.UnitMass)
                return option;
    }
    return ProductOption::None;
}

std::optional<CalcState> stateFor(const Catalogue::Kind &kind, int rowPosition,
                                  const QStringList &cells, ProductOption option)
{
    CalcState state;
    state.MassDivisor = 1;
    state.LengthDivisor = 1000;
    state.UnitMassDivisor = kind.unitMassDivisor;
    state.CalcMode = kind.calcMode;
    state.MassColumn = kind.massColumn;
    state.UnitMass = kind.unitMass.value_or(0.0f);
    if (isWovenMesh(kind)) {
        state.MassColumn = rowPosition > MeshRows::LastShapedWovenMesh ? 6
                           : option == ProductOption::Square      ? 4
                                                                  : 3;
        state.CalcMode = 2;
        state.UnitMassDivisor = 1;
    }
    if (isWeldedMesh(kind)) {
        if (rowPosition >= 0 && rowPosition <= MeshRows::LastRollWeldedMesh) {
            state.UnitMass = MeshRows::RollMeshMasses[rowPosition];
        } else {
            const std::optional<float> unitMass = weldedUnitMass(cells, option);
            if (!unitMass)
                return std::nullopt;
            state.UnitMass = *unitMass;
        }
    }
    return state;
}

std::optional<BomItem> makeItem(const BomCapture &capture)
{
    BomItem item;
    item.title = QString::fromUtf8(capture.kind.title);
    item.name = BomDesignation::splitTitle(item.title).name;
    item.standard = BomDesignation::standard(capture.kind, capture.cells, capture.rowPosition);
    item.option = optionOf(capture.kind, capture.rowPosition, capture.cells, capture.state);
    // A row that is made in several kinds needs its option: without one the calculator's unit
    // mass is left from another row.
    if (item.option == ProductOption::None
        && !BomDesignation::optionsFor(capture.kind, capture.rowPosition).contains(ProductOption::None))
        return std::nullopt;
    item.rowDesignation = BomDesignation::rowDesignation(capture.kind, capture.cells, item.option, QLocale::c());
    item.rowPosition = capture.rowPosition;
    item.cells = capture.cells;
    item.state = capture.state;
    item.inputs = capture.inputs;
    if (capture.state.LengthDivisor != 1000 && capture.state.LengthDivisor != 0) {
        item.inputs.length = toMillimetres(capture.inputs.length, capture.state.LengthDivisor);
        item.inputs.width = toMillimetres(capture.inputs.width, capture.state.LengthDivisor);
    }
    item.state.MassDivisor = 1;
    item.state.LengthDivisor = 1000;
    if (!recompute(item))
        return std::nullopt;
    return item;
}
