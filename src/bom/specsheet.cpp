#include "bom/specsheet.h"

#include "steelspec/specprint.h"

#include <algorithm>

namespace SpecSheet {

namespace {

using BomSheet::Cell;
using BomSheet::Style;

// Rows of the sheet above the heading: the project's line and the title.
constexpr int CaptionRows = 2;

// The digits after the decimal separator of a shown figure: the workbook formats it alike.
int decimalsOf(const QString &text)
{
    const qsizetype separator = std::max(text.lastIndexOf(QLatin1Char(',')), text.lastIndexOf(QLatin1Char('.')));
    return separator < 0 ? 0 : int(text.size() - separator - 1);
}

Style styleOf(const SpecCell &cell, bool heading)
{
    if (heading)
        return Style::FormHeading;
    if (cell.number)
        return cell.bold ? Style::FormTotalFigure : Style::FormFigure;
    return cell.bold ? Style::FormTotalText : Style::FormText;
}

Cell cellOf(const SpecCell &spec, int row, int column, bool heading, int bodyTop)
{
    Cell cell;
    cell.row = row;
    cell.column = column;
    cell.lastColumn = column + spec.columnSpan - 1;
    cell.lastRow = row + spec.rowSpan - 1;
    cell.style = styleOf(spec, heading);
    if (!spec.number) {
        cell.type = spec.text.isEmpty() && !cell.merged() ? Cell::Type::Blank : Cell::Type::Text;
        cell.text = spec.text;
        return cell;
    }
    cell.number = *spec.number;
    cell.decimals = decimalsOf(spec.text);
    if (spec.sumOf.isEmpty()) {
        cell.type = Cell::Type::Number;
        return cell;
    }
    QList<QPoint> cells;
    for (const QPoint &at : spec.sumOf)
        cells.append(QPoint(at.x(), bodyTop + at.y()));
    cell.type = Cell::Type::Formula;
    cell.text = sumFormula(cells);
    return cell;
}

void addRows(BomSheet::Sheet &sheet, const QList<SpecRow> &rows, int top, bool heading, int bodyTop)
{
    for (int r = 0; r < rows.size(); ++r)
        for (int c = 0; c < rows.at(r).size(); ++c)
            if (!rows.at(r).at(c).covered)
                sheet.cells.append(cellOf(rows.at(r).at(c), top + r, c, heading, bodyTop));
}

Cell caption(int row, int column, int lastColumn, const QString &text, Style style)
{
    Cell cell;
    cell.row = row;
    cell.column = column;
    cell.lastColumn = lastColumn;
    cell.type = Cell::Type::Text;
    cell.text = text;
    cell.style = style;
    return cell;
}

} // namespace

double columnCharacters(double mm)
{
    return std::max(1.0, (mm / 25.4 * 96 - 5) / 7);
}

QString sumFormula(const QList<QPoint> &cells)
{
    QList<QPoint> sorted = cells;
    std::sort(sorted.begin(), sorted.end(),
              [](const QPoint &a, const QPoint &b) { return std::pair(a.x(), a.y()) < std::pair(b.x(), b.y()); });
    QStringList parts;
    for (qsizetype i = 0; i < sorted.size();) {
        qsizetype last = i;
        while (last + 1 < sorted.size() && sorted.at(last + 1).x() == sorted.at(i).x()
               && sorted.at(last + 1).y() == sorted.at(last).y() + 1)
            ++last;
        const QString first = BomSheet::cellName(sorted.at(i).y(), sorted.at(i).x());
        parts.append(last == i ? first : first + QLatin1Char(':') + BomSheet::cellName(sorted.at(last).y(), sorted.at(last).x()));
        i = last + 1;
    }
    return QStringLiteral("SUM(%1)").arg(parts.join(QLatin1Char(',')));
}

BomSheet::Sheet layout(const SpecTable &table, const QString &sheetName)
{
    BomSheet::Sheet sheet;
    sheet.name = sheetName;
    for (const double mm : table.columnWidthsMm)
        sheet.columnWidths.append(columnCharacters(mm));
    sheet.landscape = SpecPrint::needsLandscape({table});
    const int last = table.columnCount() - 1;
    const int half = std::max(0, table.columnCount() / 2 - 1);
    sheet.cells.append(caption(0, 0, half, table.project, Style::FormCaption));
    sheet.cells.append(caption(0, half + 1, last, table.sheet, Style::FormCaption));
    sheet.cells.append(caption(1, 0, last, table.title, Style::Title));
    sheet.headingRow = CaptionRows;
    sheet.headingLastRow = CaptionRows + int(table.heading.size()) - 1;
    const int bodyTop = sheet.headingLastRow + 1;
    addRows(sheet, table.heading, CaptionRows, true, bodyTop);
    addRows(sheet, table.body, bodyTop, false, bodyTop);
    return sheet;
}

} // namespace SpecSheet
