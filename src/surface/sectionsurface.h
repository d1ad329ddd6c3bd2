#pragma once

// The outer surface of a metre of a rolled section, pipe, tube or bar, worked out from its
// dimensions by the section's geometry: its perimeter, with the root and flange-tip radii where
// the standard gives them (a rounded corner of radius r is πr/2 of arc in place of 2r of sharp
// edges), the slope of sloped flanges, and the bends of bent sections (the inner radius R, the
// outer R + s). Dimensions in millimetres; surfaces in m² a metre, which is the perimeter in
// metres. Sheet has both faces: 2 m² a square metre.
namespace SectionSurface {

double roundBar(double diameter);
double pipe(double outerDiameter);
double squareBar(double side);
double flatBar(double width, double thickness);
// A square or rectangular tube with outer corners of radius R.
double hollowSection(double height, double width, double outerRadius);
// An I-beam with parallel flanges and four root fillets of radius r.
double parallelFlangeBeam(double h, double b, double s, double rootRadius);
// An I-beam whose flanges' inner faces slope (1 in `slope` of their width): t is the flange's
// thickness halfway along it.
double slopedFlangeBeam(double h, double b, double s, double rootRadius, double slope);
// A channel with parallel flanges: two root fillets R, two inner flange-tip corners r.
double parallelFlangeChannel(double h, double b, double s, double rootRadius, double tipRadius);
// A channel whose flanges' inner faces slope.
double slopedFlangeChannel(double h, double b, double s, double rootRadius, double tipRadius, double slope);
// An angle with legs b1 and b2 (equal or not), its root radius R and two leg-tip radii r.
double angle(double b1, double b2, double rootRadius, double tipRadius);
// Bent sections of sheet s thick with bends of inner radius R.
double bentChannel(double h, double b, double s, double innerRadius);
double bentAngle(double b1, double b2, double s, double innerRadius);
// Sheet: both faces of a square metre.
inline constexpr double SheetPerSquareMetre = 2.0;

} // namespace SectionSurface
