#include "bom/bomitem.h"

#include <cmath>

BomRule ruleOf(const CalcState &state)
{
    switch (state.MassColumn) {
    case -1:
    case -2:
    case -3: return BomRule::ByLength;
    case -4: return BomRule::PerArea;
    default: break;
    }
    if (state.MassColumn < 0)
        return BomRule::None;
    switch (state.CalcMode) {
    case 0: return BomRule::ByLength;
    case 1: return BomRule::PerPiece;
    case 2: return BomRule::PerArea;
    case 3: return BomRule::SmoothSheet;
    case 4: return BomRule::RibbedSheet;
    default: return BomRule::None;
    }
}

bool BomItem::hasLength() const
{
    const BomRule r = rule();
    return r != BomRule::PerPiece && r != BomRule::None;
}

bool BomItem::hasQuantity() const
{
    const BomRule r = rule();
    return r != BomRule::PerArea && r != BomRule::None;
}

double BomItem::lengthValue() const
{
    return rule() == BomRule::PerArea ? inputs.area : inputs.length;
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
                   item.rule() == BomRule::PerArea ? &CalcInputs::area : &CalcInputs::length);
}

std::optional<BomItem> withQuantity(const BomItem &item, double value)
{
    return changed(item, value, item.hasQuantity(), &CalcInputs::pieces);
}
