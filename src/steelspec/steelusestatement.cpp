#include "steelspec/steelusestatement.h"

#include <algorithm>
#include <cmath>
#include <tuple>

namespace SteelUseStatement {

namespace {

struct SizeMass
{
    QString size;
    int order = 0;
    double kg = 0;
};

struct KindMasses
{
    QString kind;
    int order = 0;
    QList<SizeMass> sizes;
};

QList<KindMasses> gather(const QList<Line> &lines)
{
    QList<KindMasses> kinds;
    for (const Line &line : lines) {
        auto kind = std::find_if(kinds.begin(), kinds.end(), [&](const KindMasses &k) { return k.kind == line.kind; });
        if (kind == kinds.end())
            kind = kinds.insert(kinds.end(), {line.kind, line.kindOrder, {}});
        kind->order = std::min(kind->order, line.kindOrder);
        auto size = std::find_if(kind->sizes.begin(), kind->sizes.end(), [&](const SizeMass &s) { return s.size == line.size; });
        if (size == kind->sizes.end())
            size = kind->sizes.insert(kind->sizes.end(), {line.size, line.sizeOrder, 0});
        size->order = std::min(size->order, line.sizeOrder);
        size->kg += line.massKg;
    }
    std::stable_sort(kinds.begin(), kinds.end(),
                     [](const KindMasses &a, const KindMasses &b) { return std::tie(a.order, a.kind) < std::tie(b.order, b.kind); });
    for (KindMasses &kind : kinds)
        std::stable_sort(kind.sizes.begin(), kind.sizes.end(),
                         [](const SizeMass &a, const SizeMass &b) { return a.order < b.order; });
    return kinds;
}

std::int64_t tenths(double kg)
{
    return std::llround(std::round(kg * 1e7) / 1e6);
}

} // namespace

Statement make(const QList<Line> &lines)
{
    Statement statement;
    std::int64_t all = 0;
    for (const KindMasses &kind : gather(lines)) {
        std::int64_t ofKind = 0;
        for (const SizeMass &size : kind.sizes) {
            const std::int64_t mass = tenths(size.kg);
            statement.rows.append({Row::Kind::Size, size.size == kind.sizes.first().size ? kind.kind : QString(),
                                   size.size, mass});
            ofKind += mass;
        }
        statement.rows.append({Row::Kind::KindTotal, QString(), KindTotalText, ofKind});
        all += ofKind;
    }
    if (!statement.rows.isEmpty())
        statement.rows.append({Row::Kind::Total, TotalText, QString(), all});
    return statement;
}

QString kilograms(std::int64_t tenths, const QLocale &locale)
{
    QLocale plain = locale;
    plain.setNumberOptions(QLocale::OmitGroupSeparator);
    return plain.toString(double(tenths) / 10, 'f', 1);
}

} // namespace SteelUseStatement
