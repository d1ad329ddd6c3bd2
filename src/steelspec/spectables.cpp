#include "steelspec/spectables.h"

namespace SpecTables {

namespace {

using Align = SpecCell::Align;

// The form's fixed columns before the groups', and after them the total.
enum FormColumn { Profile, Metal, Size, Number, FirstGroup };

SpecCell heading(const QString &text)
{
    return SpecCell::textCell(text, Align::Centre);
}

// The row of column numbers under a heading: 1, 2, 3…
SpecRow numbering(int columns)
{
    SpecRow row = emptyRow(columns);
    for (int c = 0; c < columns; ++c)
        row[c] = SpecCell::textCell(QString::number(c + 1), Align::Centre);
    return row;
}

// A one-row heading with a numbering row under it.
QList<SpecRow> simpleHeading(const QStringList &captions)
{
    SpecRow row = emptyRow(int(captions.size()));
    for (int c = 0; c < captions.size(); ++c)
        row[c] = heading(captions.at(c));
    return {row, numbering(int(captions.size()))};
}

QList<SpecRow> formHeading(const QStringList &groups, SpecMassUnit unit)
{
    const int columns = FirstGroup + int(groups.size()) + 1;
    const int total = columns - 1;
    SpecRow top = emptyRow(columns);
    SpecRow names = emptyRow(columns);
    const QStringList fixed{QStringLiteral("Наименование профиля, ГОСТ, ТУ"),
                            QStringLiteral("Наименование или марка металла, ГОСТ, ТУ"),
                            QStringLiteral("Номер или размеры профиля, мм"), QStringLiteral("№ п.п.")};
    const QString unitName = SpecMass::unitName(unit);
    for (int c = 0; c <= total; ++c) {
        if (c >= FirstGroup && c < total)
            continue;
        SpecCell cell = heading(c == total ? QStringLiteral("Общая масса, %1").arg(unitName) : fixed.at(c));
        cell.rowSpan = 2;
        top[c] = cell;
        names[c].covered = true;
    }
    SpecCell masses = heading(QStringLiteral("Масса металла по элементам конструкций, %1").arg(unitName));
    masses.columnSpan = int(groups.size());
    place(top, FirstGroup, masses);
    for (int g = 0; g < groups.size(); ++g)
        names[FirstGroup + g] = heading(groups.at(g));
    return {top, names, numbering(columns)};
}

bool isTotal(MetalForm::Row::Kind kind)
{
    return kind != MetalForm::Row::Kind::Size && kind != MetalForm::Row::Kind::Allowance;
}

SpecRow formRow(const MetalForm::Form &form, const MetalForm::Row &row, const QLocale &locale)
{
    const int columns = FirstGroup + int(form.groups.size()) + 1;
    const bool bold = isTotal(row.kind);
    SpecRow cells = emptyRow(columns);
    cells[Profile] = SpecCell::textCell(row.profile, Align::Left, bold);
    cells[Metal] = SpecCell::textCell(row.metal, Align::Left, bold);
    cells[Size] = SpecCell::textCell(row.size, Align::Left, bold);
    // The caption of the whole and of an allowance runs across the three text columns.
    if (row.kind == MetalForm::Row::Kind::GrandTotal || row.kind == MetalForm::Row::Kind::Allowance) {
        SpecCell caption = cells.at(Profile);
        caption.columnSpan = Number;
        place(cells, Profile, caption);
    }
    cells[Number] = SpecCell::textCell(QString::number(row.number), Align::Centre);
    for (int g = 0; g < form.groups.size(); ++g) {
        const std::optional<std::int64_t> mass = row.byGroup.at(g);
        if (!mass)
            continue;
        SpecCell cell = SpecCell::figure(SpecMass::text(*mass, form.unit, locale), SpecMass::toNumber(*mass, form.unit), bold);
        for (const int at : row.sumOf)
            if (form.rows.at(at).byGroup.at(g))
                cell.sumOf.append(QPoint(FirstGroup + g, at));
        cells[FirstGroup + g] = cell;
    }
    SpecCell total = SpecCell::figure(SpecMass::text(row.total, form.unit, locale), SpecMass::toNumber(row.total, form.unit), bold);
    // A row's total adds up its own group cells.
    const int position = row.number - 1;
    for (int g = 0; g < form.groups.size(); ++g)
        if (row.byGroup.at(g))
            total.sumOf.append(QPoint(FirstGroup + g, position));
    cells[columns - 1] = total;
    return cells;
}

} // namespace

SpecTable metalForm(const MetalForm::Form &form, const Heading &heading, const QLocale &locale)
{
    SpecTable table;
    table.title = MetalFormTitle;
    table.project = heading.project;
    table.sheet = heading.sheet;
    table.columnWidthsMm = {30, 30, 30, 10};
    for (qsizetype g = 0; g < form.groups.size(); ++g)
        table.columnWidthsMm.append(15);
    table.columnWidthsMm.append(25);
    table.decimals = SpecMass::decimals(form.unit);
    table.heading = formHeading(form.groups, form.unit);
    for (const MetalForm::Row &row : form.rows)
        table.body.append(formRow(form, row, locale));
    return table;
}

SpecTable fasteners(const FastenerStatement::Statement &statement, const Heading &heading,
                    const QLocale &locale)
{
    SpecTable table;
    table.title = FastenerStatement::Title;
    table.project = heading.project;
    table.sheet = heading.sheet;
    table.columnWidthsMm = {75, 35, 20, 25, 25};
    table.decimals = 3;
    table.heading = simpleHeading({QStringLiteral("Наименование и обозначение"), QStringLiteral("Стандарт"),
                                   QStringLiteral("Кол-во, шт."), QStringLiteral("Масса 1 шт., кг"),
                                   QStringLiteral("Масса, кг")});
    QLocale plain = locale;
    plain.setNumberOptions(QLocale::OmitGroupSeparator);
    for (const FastenerStatement::Row &row : statement.rows) {
        SpecRow cells = emptyRow(5);
        cells[0] = SpecCell::textCell(row.designation);
        cells[1] = SpecCell::textCell(row.standard);
        cells[2] = SpecCell::figure(plain.toString(row.count, 'g', 15), row.count);
        cells[3] = SpecCell::figure(FastenerStatement::kilograms(row.onePieceGrams, locale), double(row.onePieceGrams) / 1000);
        cells[4] = SpecCell::figure(FastenerStatement::kilograms(row.totalGrams, locale), double(row.totalGrams) / 1000);
        table.body.append(cells);
    }
    if (!statement.isEmpty()) {
        SpecRow total = emptyRow(5);
        place(total, 0, [] {
            SpecCell cell = SpecCell::textCell(QStringLiteral("Итого:"), Align::Right, true);
            cell.columnSpan = 4;
            return cell;
        }());
        SpecCell sum = SpecCell::figure(FastenerStatement::kilograms(statement.totalGrams, locale),
                                        double(statement.totalGrams) / 1000, true);
        for (int r = 0; r < statement.rows.size(); ++r)
            sum.sumOf.append(QPoint(4, r));
        total[4] = sum;
        table.body.append(total);
    }
    return table;
}

SpecTable steelUse(const SteelUseStatement::Statement &statement, const Heading &heading,
                   const QLocale &locale)
{
    SpecTable table;
    table.title = SteelUseStatement::Title;
    table.project = heading.project;
    table.sheet = heading.sheet;
    table.columnWidthsMm = {90, 45, 30};
    table.decimals = 1;
    table.heading = simpleHeading({QStringLiteral("Изделие, класс, стандарт"),
                                   QStringLiteral("Диаметр или размер, мм"), QStringLiteral("Масса, кг")});
    QList<int> sizes;
    QList<int> kindTotals;
    using K = SteelUseStatement::Row::Kind;
    for (const SteelUseStatement::Row &row : statement.rows) {
        const bool bold = row.kind != K::Size;
        SpecRow cells = emptyRow(3);
        cells[0] = SpecCell::textCell(row.product, Align::Left, bold);
        cells[1] = SpecCell::textCell(row.size, Align::Left, bold);
        SpecCell mass = SpecCell::figure(SteelUseStatement::kilograms(row.tenthsKg, locale), double(row.tenthsKg) / 10, bold);
        const int position = int(table.body.size());
        const QList<int> &covered = row.kind == K::Size ? QList<int>{} : row.kind == K::KindTotal ? sizes : kindTotals;
        for (const int at : covered)
            mass.sumOf.append(QPoint(2, at));
        cells[2] = mass;
        table.body.append(cells);
        if (row.kind == K::Size)
            sizes.append(position);
        else if (row.kind == K::KindTotal) {
            kindTotals.append(position);
            sizes.clear();
        }
    }
    return table;
}

} // namespace SpecTables
