#pragma once

#include "bom/bomitem.h"
#include "catalogue/catalogue.h"

#include <optional>

// What the calculator shows at the moment an item is added: the chosen kind, the current size
// row, the calculation state, the four inputs, in the units the window shows, and the product
// option chosen.
struct BomCapture
{
    Catalogue::Kind kind;
    int rowPosition = -1;
    QStringList cells;
    CalcState state;
    CalcInputs inputs;
    ProductOption option = ProductOption::None;
    // The marks the item is to carry: its steel grade and group of elements, and the property
    // class of a kind that writes one (empty: the kind's first).
    QString grade = {};
    QString group = {};
    QString propertyClass = {};
};

// The product option the row is computed with: the cell shape by the mass column the state
// reads, the wire as chosen; None where the kind or row has none, or no wire is chosen.
ProductOption optionOf(const Catalogue::Kind &kind, int rowPosition, const CalcState &state,
                       ProductOption chosen);

// The calculation state in kilograms and millimetres that choosing the kind, moving to the
// row and selecting the option sets; nothing when the row cannot give one (a welded mesh whose
// spacing is 0).
std::optional<CalcState> stateFor(const Catalogue::Kind &kind, int rowPosition,
                                  const QStringList &cells, ProductOption option);

// The item: its name, standard and size from the kind and row, lengths turned into
// millimetres and masses into kilograms, both masses worked out by the mass rules. Nothing
// when the rules give no result (no rule, an arithmetic error), or when the row needs a product
// option and the state was set with none (a welded mesh with no wire diameter chosen).
std::optional<BomItem> makeItem(const BomCapture &capture);

// Why the item is not to be added: no quantity (0 or none typed), no length, area or sheet
// width where its rule reads one; empty when it has them all. Such an item weighs nothing, and
// a line of it is a mistake the list would carry into the drawing.
QString missingInput(const BomItem &item);
