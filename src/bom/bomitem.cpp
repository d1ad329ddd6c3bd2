#include "bom/bomitem.h"

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
    item.onePiece = outcome.onePiece;
    item.total = outcome.total;
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
