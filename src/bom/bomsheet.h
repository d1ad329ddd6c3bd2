#pragma once

#include <QList>
#include <QString>

class BillOfMaterials;

// The materials list as one sheet of a workbook, laid out as the window groups it: the title,
// the column headings, a heading line per standard across the table, the items with their
// figures as numbers (masses at full precision, shown with three decimals), each group's
// subtotal and the grand totals as formulas with their values. Plain data: the workbook
// writer only turns it into its file format.
namespace BomSheet {

// How a cell looks; the writer gives each style its font, border and number format.
enum class Style { Title, Heading, Group, Text, Figure, Mass, TotalText, TotalMass };

struct Cell
{
    enum class Type { Text, Number, Blank, Formula };

    int row = 0;     // 0-based
    int column = 0;  // 0-based
    int lastColumn = 0; // beyond column for a text merged across several columns
    Type type = Type::Blank;
    QString text;    // a text, or a formula without its "="
    double number = 0; // a number, or a formula's value
    Style style = Style::Text;

    bool merged() const { return lastColumn > column; }
};

struct Sheet
{
    QString name;
    QList<double> columnWidths; // in characters, one per column
    int headingRow = 0;         // repeated at the top of every printed page
    QList<Cell> cells;          // row by row, left to right
};

Sheet layout(const BillOfMaterials &list);

// "H5" for a 0-based row and column.
QString cellName(int row, int column);

} // namespace BomSheet
