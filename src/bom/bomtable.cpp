#include "bom/bomtable.h"

#include "bom/bomdesignation.h"
#include "steelspec/steelgrades.h"

#include <cmath>

namespace BomTable {

QList<Row> rows(const BillOfMaterials &list)
{
    QList<Row> out;
    const QList<BillOfMaterials::Group> &groups = list.groups();
    out.reserve(list.count() + 3 * groups.size() + 2);
    for (int g = 0; g < groups.size(); ++g) {
        out.append({RowKind::GroupHeading, -1, g});
        for (int i = groups.at(g).first; i < groups.at(g).first + groups.at(g).count; ++i)
            out.append({RowKind::Item, i, g});
        out.append({RowKind::Subtotal, -1, g});
    }
    if (!groups.isEmpty()) {
        out.append({RowKind::TotalKg});
        out.append({RowKind::TotalTonnes});
    }
    return out;
}

QStringList headings(const QList<BomItem> &items)
{
    int areas = 0;
    for (const BomItem &item : items)
        areas += item.rule() == MassRule::PerArea;
    const QString length = areas == 0                ? QStringLiteral("Длина, мм")
                           : areas == items.size()   ? QStringLiteral("Площадь, м2")
                                                     : QStringLiteral("Длина, мм / площадь, м2");
    return {QStringLiteral("№"), QStringLiteral("Наименование"), QStringLiteral("Стандарт"),
            QStringLiteral("Размер"), length, QStringLiteral("Кол-во"),
            QStringLiteral("Масса 1 шт., кг"), QStringLiteral("Масса, кг")};
}

QString groupLabel(const QString &standard)
{
    return standard.isEmpty() ? QStringLiteral("Без стандарта") : standard;
}

QString mass(double value, const QLocale &locale)
{
    QLocale plain = locale;
    plain.setNumberOptions(QLocale::OmitGroupSeparator);
    return plain.toString(value, 'f', 3);
}

QString figure(double value, const QLocale &locale)
{
    QLocale plain = locale;
    plain.setNumberOptions(QLocale::OmitGroupSeparator);
    return plain.toString(value, 'f', QLocale::FloatingPointShortest);
}

std::optional<double> readFigure(const QString &text)
{
    QString t = text;
    t.remove(QLatin1Char(' '));
    t.remove(QChar(0x00A0));
    t.remove(QChar(0x202F));
    t.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double value = t.toDouble(&ok);
    if (!ok || !std::isfinite(value) || value < 0)
        return std::nullopt;
    return value;
}

QStringList itemFields(const BillOfMaterials &list, int position, const QLocale &locale)
{
    const BomItem &item = list.items().at(position);
    return {QString::number(position + 1),
            item.name,
            item.standard,
            BomDesignation::designation(item, locale),
            item.hasLength() ? figure(item.lengthValue(), locale) : QString(),
            item.hasQuantity() ? figure(item.inputs.pieces, locale) : QString(),
            mass(item.onePiece, locale),
            mass(printedKg(item), locale)};
}

QStringList markHeadings()
{
    return {QStringLiteral("Марка стали"), QStringLiteral("Группа"), QStringLiteral("Класс прочности")};
}

QStringList markFields(const BomItem &item)
{
    return {item.grade, item.group, item.propertyClass};
}

QString gradeText(const BomItem &item, const QLocale &locale)
{
    const SteelGrade grade = SteelGrades::find(item.grade);
    if (item.grade.isEmpty() || grade.density == SteelGrades::TableDensity)
        return item.grade;
    return QStringLiteral("%1, ρ %2").arg(item.grade, locale.toString(grade.density, 'f', 2));
}

std::int64_t printedGrams(const BomItem &item)
{
    const double onePieceGrams = std::llround(item.onePiece * 1000);
    const double quantity = item.rule() == MassRule::PerArea ? item.inputs.area
                            : item.hasQuantity()             ? item.inputs.pieces
                                                             : 1;
    return std::llround(onePieceGrams * quantity);
}

double printedKg(const BomItem &item)
{
    return double(printedGrams(item)) / 1000;
}

QString cell(const BillOfMaterials &list, const Row &row, int column, const QLocale &locale)
{
    switch (row.kind) {
    case RowKind::Item:
        return itemFields(list, row.item, locale).value(column);
    case RowKind::GroupHeading:
        return column == Number ? groupLabel(list.groups().at(row.group).standard) : QString();
    case RowKind::Subtotal:
        if (column == Name)
            return QStringLiteral("Итого по %1").arg(groupLabel(list.groups().at(row.group).standard));
        return column == Mass ? mass(list.groups().at(row.group).totalKg, locale) : QString();
    case RowKind::TotalKg:
        if (column == Name)
            return QStringLiteral("Всего, кг");
        return column == Mass ? mass(list.totalKg(), locale) : QString();
    case RowKind::TotalTonnes:
        if (column == Name)
            return QStringLiteral("Всего, т");
        return column == Mass ? mass(list.totalKg() / 1000, locale) : QString();
    }
    return QString();
}

} // namespace BomTable
