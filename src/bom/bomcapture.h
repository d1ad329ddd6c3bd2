#pragma once

#include "bom/bomitem.h"
#include "calc/meshrows.h"
#include "catalogue/catalogue.h"

#include <optional>

// What the calculator shows at the moment an item is added: the chosen kind, the current size
// row, the calculation state and the four inputs, in the units the window shows.
struct BomCapture
{
    Catalogue::Kind kind;
    int rowPosition = -1;
    QStringList cells;
    CalcState state;
    CalcInputs inputs;
};

// The product option the state was set with (the cell shape by the mass column, the wire by
// the unit mass it gives); None where the kind or row has none, or none matches.
ProductOption optionOf(const Catalogue::Kind &kind, int rowPosition, const QStringList &cells,
                       const CalcState &state);

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
