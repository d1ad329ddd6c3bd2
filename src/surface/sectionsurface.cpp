#include "surface/sectionsurface.h"

#include <cmath>
#include <numbers>

namespace SectionSurface {

namespace {

constexpr double Pi = std::numbers::pi;

// The perimeter a rounded corner of radius r takes off a sharp one: 2r of edges become a
// quarter circle.
double roundedOff(double radius)
{
    return (2 - Pi / 2) * radius;
}

double metres(double millimetres)
{
    return millimetres / 1000;
}

// The faces of a flange's inner side of width w sloping 1 in `slope`: the sloped face is longer
// than w, and the faces across the slope (the tip and the web) are shorter together by w / slope.
double slopedInnerFaces(double width, double slope)
{
    const double k = 1 / slope;
    return width * std::sqrt(1 + k * k) - width * k;
}

} // namespace

double roundBar(double diameter)
{
    return metres(Pi * diameter);
}

double pipe(double outerDiameter)
{
    return metres(Pi * outerDiameter);
}

double squareBar(double side)
{
    return metres(4 * side);
}

double flatBar(double width, double thickness)
{
    return metres(2 * (width + thickness));
}

double hollowSection(double height, double width, double outerRadius)
{
    return metres(2 * (height + width) - 4 * roundedOff(outerRadius));
}

double parallelFlangeBeam(double h, double b, double s, double rootRadius)
{
    return metres(2 * h + 4 * b - 2 * s - 4 * roundedOff(rootRadius));
}

double slopedFlangeBeam(double h, double b, double s, double rootRadius, double slope)
{
    // Outer faces 2b, the web's two faces and the four tips, and four sloped inner faces each
    // (b - s) / 2 wide.
    return metres(2 * h + 2 * b + 4 * slopedInnerFaces((b - s) / 2, slope) - 4 * roundedOff(rootRadius));
}

double parallelFlangeChannel(double h, double b, double s, double rootRadius, double tipRadius)
{
    return metres(2 * h + 4 * b - 2 * s - 2 * roundedOff(rootRadius) - 2 * roundedOff(tipRadius));
}

double slopedFlangeChannel(double h, double b, double s, double rootRadius, double tipRadius, double slope)
{
    return metres(2 * h + 2 * b + 2 * slopedInnerFaces(b - s, slope) - 2 * roundedOff(rootRadius)
                  - 2 * roundedOff(tipRadius));
}

double angle(double b1, double b2, double rootRadius, double tipRadius)
{
    return metres(2 * (b1 + b2) - roundedOff(rootRadius) - 2 * roundedOff(tipRadius));
}

double bentChannel(double h, double b, double s, double innerRadius)
{
    // Two bends, each rounding an inner corner of R and an outer one of R + s.
    return metres(2 * h + 4 * b - 2 * s - 2 * (roundedOff(innerRadius) + roundedOff(innerRadius + s)));
}

double bentAngle(double b1, double b2, double s, double innerRadius)
{
    return metres(2 * (b1 + b2) - roundedOff(innerRadius) - roundedOff(innerRadius + s));
}

} // namespace SectionSurface
