#pragma once

#include <QList>
#include <QRect>

// Where a window's frame may stand so that the user sees all of it: on the screen that shows
// the largest part of it (the first screen, the primary one, when none shows any), moved in
// from the edges it crosses, and made smaller where it is larger than that screen. The screens
// are given by their available areas (without panels and docks).
QRect FitOnScreens(const QRect &frame, const QList<QRect> &screens);
