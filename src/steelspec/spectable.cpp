#include "steelspec/spectable.h"

#include <numeric>

SpecCell SpecCell::textCell(const QString &text, Align align, bool bold)
{
    SpecCell cell;
    cell.text = text;
    cell.align = align;
    cell.bold = bold;
    return cell;
}

SpecCell SpecCell::figure(const QString &text, double number, bool bold)
{
    SpecCell cell = textCell(text, Align::Right, bold);
    cell.number = number;
    return cell;
}

double SpecTable::widthMm() const
{
    return std::accumulate(columnWidthsMm.cbegin(), columnWidthsMm.cend(), 0.0);
}

SpecRow emptyRow(int columns)
{
    return SpecRow(columns);
}

void place(SpecRow &row, int column, const SpecCell &cell)
{
    row[column] = cell;
    for (int covered = column + 1; covered < column + cell.columnSpan && covered < row.size(); ++covered)
        row[covered].covered = true;
}
