#include "bom/bomcapture.h"

#include "bom/bomdesignation.h"
#include "catalogue/sizeselection.h"

namespace {

using Catalogue::MeshForm;

// A figure in millimetres from one in the window's length unit, kept to 15 significant digits
// so that 1.1 m is 1100 mm and not the double just above it.
double toMillimetres(double value, int16_t lengthDivisor)
{
    if (lengthDivisor == 1000)
        return value;
    return QString::number(value * 1000 / lengthDivisor, 'g', 15).toDouble();
}

} // namespace

ProductOption optionOf(const Catalogue::Kind &kind, int rowPosition, const CalcState &state,
                       ProductOption chosen)
{
    const QList<ProductOption> options = SizeSelection::optionsFor(kind, rowPosition);
    if (kind.mesh.form == MeshForm::Woven && options.contains(ProductOption::Rhombic))
        return state.MassColumn == SizeSelection::cellShapeRule(ProductOption::Square).massColumn
                   ? ProductOption::Square
                   : ProductOption::Rhombic;
    return options.contains(chosen) ? chosen : ProductOption::None;
}

std::optional<CalcState> stateFor(const Catalogue::Kind &kind, int rowPosition,
                                  const QStringList &cells, ProductOption option)
{
    CalcState state;
    state.MassDivisor = 1;
    state.LengthDivisor = 1000;
    state.setColumnRule(kind.massColumn, kind.calcMode, kind.unitMassDivisor);
    state.UnitMass = kind.unitMass.value_or(0.0f);
    const CellReader cell = [&cells](int column) { return std::optional<QString>(cells.value(column)); };
    if (kind.mesh.form == MeshForm::Woven) {
        const bool shaped = rowPosition <= kind.mesh.lastRow;
        const SizeSelection::RowRule rule =
            shaped ? SizeSelection::cellShapeRule(option)
                   : SizeSelection::selectRow(kind, rowPosition, cell, option).rule.value();
        state.setColumnRule(rule.massColumn, rule.calcMode, rule.unitMassDivisor);
    }
    if (kind.mesh.form == MeshForm::Welded) {
        if (const std::optional<float> fixed = SizeSelection::rollMass(kind, rowPosition)) {
            state.UnitMass = *fixed;
        } else {
            const std::optional<SizeSelection::WireMass> mass = SizeSelection::weldedMeshMass(cell, option);
            if (!mass || !mass->unitMass)
                return std::nullopt;
            state.UnitMass = *mass->unitMass;
        }
    }
    return state;
}

QString missingInput(const BomItem &item)
{
    const MassRule rule = item.rule();
    if (item.hasLength() && !(item.lengthValue() > 0))
        return rule == MassRule::PerArea ? QStringLiteral("Не добавлено: нет площади.")
                                         : QStringLiteral("Не добавлено: нет длины.");
    if ((rule == MassRule::SmoothSheet || rule == MassRule::RibbedSheet) && !(item.inputs.width > 0))
        return QStringLiteral("Не добавлено: нет ширины листа.");
    if (item.hasQuantity() && !(item.inputs.pieces > 0))
        return QStringLiteral("Не добавлено: нет количества.");
    return QString();
}

std::optional<BomItem> makeItem(const BomCapture &capture)
{
    BomItem item;
    item.kindId = capture.kind.id;
    item.grade = capture.grade.simplified();
    item.group = capture.group.simplified();
    if (capture.kind.spec.propertyClass)
        item.propertyClass = capture.propertyClass.trimmed().isEmpty()
                                 ? QString::fromUtf8(capture.kind.spec.propertyClass)
                                 : capture.propertyClass.trimmed();
    item.title = QString::fromUtf8(capture.kind.title);
    item.name = BomDesignation::splitTitle(item.title).name;
    item.standard = BomDesignation::standard(capture.kind, capture.cells, capture.rowPosition);
    item.option = optionOf(capture.kind, capture.rowPosition, capture.state, capture.option);
    // A row that is made in several kinds needs its option: without one the calculator's unit
    // mass is left from another row.
    if (item.option == ProductOption::None
        && !SizeSelection::optionsFor(capture.kind, capture.rowPosition).contains(ProductOption::None))
        return std::nullopt;
    item.rowDesignation = BomDesignation::rowDesignation(capture.kind, capture.cells, item.option, QLocale::c());
    item.rowPosition = capture.rowPosition;
    item.cells = capture.cells;
    item.state = capture.state;
    // A mesh row's state follows from the row and its option alone: an item never takes a unit
    // mass left from another row (a welded mesh whose spacing of 0 gives none).
    if (capture.kind.mesh.form != MeshForm::None) {
        const std::optional<CalcState> own = stateFor(capture.kind, capture.rowPosition, capture.cells, item.option);
        if (!own)
            return std::nullopt;
        item.state = *own;
    }
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
