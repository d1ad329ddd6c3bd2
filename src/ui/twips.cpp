#include "ui/twips.h"

#include <cmath>

namespace Twips {

int toPixels(double twips)
{
    return static_cast<int>(std::lround(twips / PerPixel));
}

double fromPixels(int pixels)
{
    return static_cast<double>(pixels) * PerPixel;
}

QRect rect(double left, double top, double width, double height)
{
    return QRect(toPixels(left), toPixels(top), toPixels(width), toPixels(height));
}

} // namespace Twips
