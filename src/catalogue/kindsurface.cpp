#include "catalogue/kindsurface.h"

#include "calc/readnumber.h"
#include "surface/sectionsurface.h"

#include <cmath>

namespace KindSurface {

namespace {

using Catalogue::SurfaceShape;

const Catalogue::SurfaceRule *ruleOf(const Catalogue::Kind &kind, int row)
{
    for (const Catalogue::SurfaceRule &rule : kind.surface)
        if (rule.lastRow < 0 || row <= rule.lastRow)
            return &rule;
    return nullptr;
}

// The dimensions the rule names, in millimetres; nothing when one is missing or not above 0
// (a radius the table does not give is 0, a sharp corner).
std::optional<QList<double>> dimensions(const Catalogue::SurfaceRule &rule, const CellReader &cell)
{
    QList<double> figures;
    for (int column : rule.columns) {
        if (column < 0) {
            figures.append(0);
            continue;
        }
        const std::optional<QString> text = cell(column);
        const std::optional<double> figure = text ? ReadLeadingNumber(*text) : std::nullopt;
        if (!figure || !std::isfinite(*figure) || *figure <= 0)
            return std::nullopt;
        figures.append(*figure);
    }
    return figures;
}

double surfaceOf(SurfaceShape shape, const QList<double> &d)
{
    switch (shape) {
    case SurfaceShape::Round: return SectionSurface::roundBar(d[0]);
    case SurfaceShape::Square: return SectionSurface::squareBar(d[0]);
    case SurfaceShape::Flat: return SectionSurface::flatBar(d[0], d[1]);
    case SurfaceShape::Hollow: return SectionSurface::hollowSection(d[0], d[1], d[2]);
    case SurfaceShape::Beam: return SectionSurface::parallelFlangeBeam(d[0], d[1], d[2], d[3]);
    case SurfaceShape::Channel: return SectionSurface::parallelFlangeChannel(d[0], d[1], d[2], d[3], d[4]);
    case SurfaceShape::Angle: return SectionSurface::angle(d[0], d[1], d[2], d[3]);
    case SurfaceShape::BentChannel: return SectionSurface::bentChannel(d[0], d[1], d[2], d[3]);
    case SurfaceShape::BentAngle: return SectionSurface::bentAngle(d[0], d[1], d[2], d[3]);
    case SurfaceShape::Sheet: return SectionSurface::SheetPerSquareMetre;
    }
    return 0;
}

} // namespace

std::optional<double> perUnit(const Catalogue::Kind &kind, int row, const CellReader &cell)
{
    const Catalogue::SurfaceRule *rule = row >= 0 ? ruleOf(kind, row) : nullptr;
    if (!rule)
        return std::nullopt;
    const std::optional<QList<double>> figures = dimensions(*rule, cell);
    if (!figures)
        return std::nullopt;
    return surfaceOf(rule->shape, *figures);
}

std::optional<PieceSurface> ofPieces(const Catalogue::Kind &kind, double perUnit, const CalcInputs &inputs,
                                     int16_t lengthDivisor)
{
    const bool sheet = perSquareMetre(kind);
    if (lengthDivisor <= 0 || inputs.length < 0 || inputs.pieces < 0 || (sheet && inputs.width < 0))
        return std::nullopt;
    double one = perUnit * inputs.length / lengthDivisor;
    if (sheet)
        one *= inputs.width / lengthDivisor;
    return PieceSurface{one, one * inputs.pieces};
}

bool hasSurface(const Catalogue::Kind &kind)
{
    return !kind.surface.isEmpty();
}

bool perSquareMetre(const Catalogue::Kind &kind)
{
    return hasSurface(kind) && kind.surface.first().shape == SurfaceShape::Sheet;
}

QString heading(const Catalogue::Kind &kind)
{
    return perSquareMetre(kind) ? QStringLiteral("Площадь пов., м2/м2") : QStringLiteral("Площадь пов., м2/м");
}

} // namespace KindSurface
