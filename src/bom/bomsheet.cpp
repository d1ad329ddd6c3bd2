#include "bom/bomsheet.h"

#include "bom/billofmaterials.h"
#include "bom/bomdesignation.h"
#include "bom/bomtable.h"

namespace BomSheet {

namespace {

using BomTable::RowKind;
using Type = Cell::Type;

constexpr int TitleRow = 0;
constexpr int HeadingRow = 1;
constexpr double ColumnWidths[BomTable::ColumnCount] = {5, 34, 17, 20, 12, 8, 14, 14};

class Writer
{
public:
    explicit Writer(Sheet &sheet) : m_sheet(sheet) {}

    void text(int row, int column, const QString &text, Style style, int lastColumn = -1)
    {
        m_sheet.cells.append({row, column, qMax(column, lastColumn), Type::Text, text, 0, style});
    }
    void number(int row, int column, double value, Style style)
    {
        m_sheet.cells.append({row, column, column, Type::Number, QString(), value, style});
    }
    void blank(int row, int column, Style style)
    {
        m_sheet.cells.append({row, column, column, Type::Blank, QString(), 0, style});
    }
    void formula(int row, int column, const QString &formula, double value, Style style)
    {
        m_sheet.cells.append({row, column, column, Type::Formula, formula, value, style});
    }
    // A label right-aligned across the columns up to the one-piece mass, the mass beside it.
    void total(int row, const QString &label, const QString &formula, double value)
    {
        text(row, BomTable::Number, label, Style::TotalText, BomTable::OnePiece);
        this->formula(row, BomTable::Mass, formula, value, Style::TotalMass);
    }

private:
    Sheet &m_sheet;
};

void writeItem(Writer &w, int r, const BillOfMaterials &list, int position)
{
    const BomItem &item = list.items().at(position);
    w.number(r, BomTable::Number, position + 1, Style::Figure);
    w.text(r, BomTable::Name, item.name, Style::Text);
    w.text(r, BomTable::Standard, item.standard, Style::Text);
    w.text(r, BomTable::Size, BomDesignation::designation(item), Style::Text);
    if (item.hasLength())
        w.number(r, BomTable::Length, item.lengthValue(), Style::Figure);
    else
        w.blank(r, BomTable::Length, Style::Figure);
    if (item.hasQuantity())
        w.number(r, BomTable::Quantity, item.inputs.pieces, Style::Figure);
    else
        w.blank(r, BomTable::Quantity, Style::Figure);
    // The figures as printed, so that the sheet's line multiplies out as the list's does.
    w.number(r, BomTable::OnePiece, double(std::llround(item.onePiece * 1000)) / 1000, Style::Mass);
    w.number(r, BomTable::Mass, BomTable::printedKg(item), Style::Mass);
}

} // namespace

QString cellName(int row, int column)
{
    return QChar(u'A' + column) + QString::number(row + 1);
}

Sheet layout(const BillOfMaterials &list)
{
    Sheet sheet;
    sheet.name = QStringLiteral("Спецификация");
    sheet.columnWidths = QList<double>(std::begin(ColumnWidths), std::end(ColumnWidths));
    sheet.headingRow = HeadingRow;
    Writer w(sheet);

    w.text(TitleRow, 0, sheet.name, Style::Title);
    const QStringList headings = BomTable::headings(list.items());
    for (int c = 0; c < headings.size(); ++c)
        w.text(HeadingRow, c, headings.at(c), Style::Heading);

    const auto massCell = [](int row) { return cellName(row, BomTable::Mass); };
    int r = HeadingRow + 1;
    int groupFirst = r;
    QStringList subtotals;
    int kgRow = -1;
    for (const BomTable::Row &row : BomTable::rows(list)) {
        switch (row.kind) {
        case RowKind::GroupHeading:
            w.text(r, BomTable::Number, BomTable::cell(list, row, BomTable::Number), Style::Group, BomTable::Mass);
            groupFirst = r + 1;
            break;
        case RowKind::Item:
            writeItem(w, r, list, row.item);
            break;
        case RowKind::Subtotal:
            w.total(r, BomTable::cell(list, row, BomTable::Name),
                    QStringLiteral("SUM(%1:%2)").arg(massCell(groupFirst), massCell(r - 1)),
                    list.groups().at(row.group).totalKg);
            subtotals.append(massCell(r));
            break;
        case RowKind::TotalKg:
            w.total(r, BomTable::cell(list, row, BomTable::Name), subtotals.join(QLatin1Char('+')), list.totalKg());
            kgRow = r;
            break;
        case RowKind::TotalTonnes:
            w.total(r, BomTable::cell(list, row, BomTable::Name), massCell(kgRow) + QStringLiteral("/1000"),
                    list.totalKg() / 1000);
            break;
        }
        ++r;
    }
    return sheet;
}

} // namespace BomSheet
