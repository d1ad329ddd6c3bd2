#include "bom/bomitem.h"

#include "steelspec/steelgrades.h"

#include <cmath>

bool BomItem::hasLength() const
{
    const MassRule r = rule();
    return r != MassRule::PerPiece && r != MassRule::None;
}

bool BomItem::hasQuantity() const
{
    const MassRule r = rule();
    return r != MassRule::PerArea && r != MassRule::None;
}

double BomItem::lengthValue() const
{
    return rule() == MassRule::PerArea ? inputs.area : inputs.length;
}

double BomItem::densityFactor() const
{
    return SteelGrades::densityFactor(grade);
}

bool BomItem::sameAs(const BomItem &other) const
{
    // The cells tell an own size from a base size of the same designation.
    return kindId == other.kindId && title == other.title && rowDesignation == other.rowDesignation
           && option == other.option && cells == other.cells && standard == other.standard
           && inputs.length == other.inputs.length && inputs.width == other.inputs.width
           && inputs.area == other.inputs.area && grade.trimmed() == other.grade.trimmed()
           && group.trimmed() == other.group.trimmed() && propertyClass == other.propertyClass;
}

bool recompute(BomItem &item)
{
    CalcState state = item.state;
    const QStringList &cells = item.cells;
    const CalcOutcome outcome = ComputeMasses(state, item.inputs, [&cells](int column) -> std::optional<QString> {
        if (column < 0 || column >= cells.size())
            return std::nullopt;
        return cells.at(column);
    });
    if (outcome.kind != CalcOutcome::Kind::Results)
        return false;
    item.state = state;
    const double factor = item.densityFactor();
    item.onePiece = outcome.onePiece * factor;
    item.total = outcome.total * factor;
    return true;
}

namespace {

std::optional<BomItem> changed(const BomItem &item, double value, bool applies, double CalcInputs::*input)
{
    if (!applies || !std::isfinite(value) || value < 0)
        return std::nullopt;
    BomItem next = item;
    next.inputs.*input = value;
    if (!recompute(next))
        return std::nullopt;
    return next;
}

} // namespace

std::optional<BomItem> withLength(const BomItem &item, double value)
{
    return changed(item, value, item.hasLength(),
                   item.rule() == MassRule::PerArea ? &CalcInputs::area : &CalcInputs::length);
}

std::optional<BomItem> withQuantity(const BomItem &item, double value)
{
    return changed(item, value, item.hasQuantity(), &CalcInputs::pieces);
}
