#include "bom/bomspec.h"

#include "bom/bomdesignation.h"
#include "catalogue/catalogue.h"

namespace BomSpec {

namespace {

using Catalogue::SpecClass;

// The kind of an item and where it stands in the catalogue: the form's profiles and the
// statements' kinds stand in the catalogue's order.
struct KindPlace
{
    const Catalogue::Kind *kind = nullptr;
    int order = 0;
};

KindPlace placeOf(const BomItem &item)
{
    const QList<Catalogue::Kind> &kinds = Catalogue::kinds();
    for (int i = 0; i < kinds.size(); ++i)
        if (kinds.at(i).id == item.kindId)
            return {&kinds.at(i), i};
    return {};
}

bool inForm(SpecClass c)
{
    return c == SpecClass::Rolled || c == SpecClass::Sheet;
}

// A bolt's set stands as designers write it, the bolt, its nut, its washer; the other fasteners
// after it in the catalogue's order.
int fastenerOrder(const KindPlace &place)
{
    static const QStringList set{QStringLiteral("hex-bolt"), QStringLiteral("hex-nut"), QStringLiteral("washer")};
    const qsizetype inSet = set.indexOf(place.kind->id);
    return inSet >= 0 ? int(inSet) : int(set.size()) + place.order;
}

QString withStandard(const QString &name, const QString &standard)
{
    return standard.isEmpty() ? name : name + QLatin1Char(' ') + standard;
}

} // namespace

QString profileOf(const BomItem &item)
{
    const KindPlace place = placeOf(item);
    return place.kind ? withStandard(QString::fromUtf8(place.kind->spec.name), item.standard) : item.title;
}

QList<MetalForm::Line> formLines(const QList<BomItem> &items)
{
    QList<MetalForm::Line> lines;
    for (const BomItem &item : items) {
        const KindPlace place = placeOf(item);
        if (!place.kind || !inForm(place.kind->spec.specClass))
            continue;
        // A sheet is counted by its thickness: its sheets of every width and length are one size.
        const QString size = place.kind->spec.specClass == SpecClass::Sheet
                                 ? BomDesignation::rowSize(item)
                                 : BomDesignation::designation(item);
        lines.append({profileOf(item), place.order, item.grade, size, item.rowPosition, item.group, item.total});
    }
    return lines;
}

QList<FastenerStatement::Line> fastenerLines(const QList<BomItem> &items)
{
    QList<FastenerStatement::Line> lines;
    for (const BomItem &item : items) {
        const KindPlace place = placeOf(item);
        if (!place.kind || place.kind->spec.specClass != SpecClass::Fastener)
            continue;
        lines.append({BomDesignation::written(item), item.standard, fastenerOrder(place), item.rowPosition, item.inputs.pieces,
                      item.onePiece});
    }
    return lines;
}

QList<SteelUseStatement::Line> steelUseLines(const QList<BomItem> &items)
{
    QList<SteelUseStatement::Line> lines;
    for (const BomItem &item : items) {
        const KindPlace place = placeOf(item);
        if (!place.kind || place.kind->spec.specClass != SpecClass::Reinforcement)
            continue;
        lines.append({profileOf(item), place.order, BomDesignation::designation(item), item.rowPosition, item.total});
    }
    return lines;
}

QList<SpecTable> tables(const QList<BomItem> &items, const Settings &settings, const QLocale &locale)
{
    QList<SpecTable> out{SpecTables::metalForm(MetalForm::make(formLines(items), settings.form), settings.heading, locale)};
    const FastenerStatement::Statement fasteners = FastenerStatement::make(fastenerLines(items));
    if (!fasteners.isEmpty())
        out.append(SpecTables::fasteners(fasteners, settings.heading, locale));
    const SteelUseStatement::Statement steelUse = SteelUseStatement::make(steelUseLines(items));
    if (!steelUse.isEmpty())
        out.append(SpecTables::steelUse(steelUse, settings.heading, locale));
    return out;
}

} // namespace BomSpec
