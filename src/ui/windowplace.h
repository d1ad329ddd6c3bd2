#pragma once

#include <QPoint>
#include <QString>

class QWidget;

// Where a window of the program's own (the materials list) stood when it was last hidden, kept
// between runs in a small settings file of the user's data directory, under the window's
// object name. A window is always put fully on a screen: a place kept on a larger or another
// screen, or a first place beside the calculator that runs off the screen's edge, is moved in.
namespace WindowPlace {

// Puts the window where it was last; a window never kept goes to `firstPlace` (the top-left of
// its frame) at its present size. `frameLike` is a shown window whose frame the window
// manager's borders are read from, as the window itself has none before it is first shown.
void restore(QWidget &window, const QString &settingsFile, QPoint firstPlace, const QWidget &frameLike);
// Puts the window beside the main window, right or left of it, else below or above it, where
// the screen has room, so that the main window's grid and results stay in sight; leaves it
// where it is (over the main window) when no side has room.
void besideOf(QWidget &window, const QWidget &main);
// Keeps the window's place and size (its normal geometry, not a maximised one).
void save(const QWidget &window, const QString &settingsFile);

} // namespace WindowPlace
