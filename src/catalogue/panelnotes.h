#pragma once

#include <QString>

// What the data panel says when its grid has no sizes to show: a hint before a kind is chosen,
// and, for a kind whose table holds no rows, that the base has no sizes of its standard yet and
// how the user adds sizes of their own.
namespace PanelNotes {

// Where the user is: nothing chosen since the start, a group chosen (its kinds on the toolbar,
// the grid hidden), or a kind chosen.
enum class Stage { Start, Group, Kind };

QString startHint();
QString groupHint();
// standard: the standards of the kind, as the catalogue names them.
QString emptyTable(const QString &standard);

// The note for the panel; empty when there is nothing to say, that is when a chosen kind's
// table has rows, whatever rows they are.
QString noteFor(Stage stage, const QString &standard, int rowCount);

} // namespace PanelNotes
