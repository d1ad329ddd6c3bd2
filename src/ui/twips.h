#pragma once

#include <QRect>

// Layouts are written in twips (1/1440 inch) as the design gives them; 15 twips make one pixel
// at 96 dpi. This is the one place where twips become pixels.
namespace Twips {

constexpr int PerPixel = 15;

int toPixels(double twips);
double fromPixels(int pixels);
QRect rect(double left, double top, double width, double height);

} // namespace Twips
