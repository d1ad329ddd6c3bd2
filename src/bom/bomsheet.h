#pragma once

#include <QList>
#include <QString>

#include <algorithm>

class BillOfMaterials;

// The materials list as one sheet of a workbook, laid out as the window groups it: the title,
// the column headings, a heading line per standard across the table, the items with their
// figures as numbers (masses at full precision, shown with three decimals), each group's
// subtotal and the grand totals as formulas with their values. Plain data: the workbook
// writer only turns it into its file format.
namespace BomSheet {

// How a cell looks; the writer gives each style its font, border and number format. The
// form styles are those of a drawing's tables (the technical specification of metal): regular
// headings, texts that wrap, figures with the cell's own number of decimals, totals in bold,
// and a caption line over the table without borders.
enum class Style {
    Title, Heading, Group, Text, Figure, Mass, TotalText, TotalMass,
    FormCaption, FormHeading, FormText, FormTotalText, FormFigure, FormTotalFigure,
};

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
    int lastRow = -1;  // below row for a text merged down several rows
    int decimals = 3;  // of a form figure

    bool merged() const { return lastColumn > column || lastRow > row; }
};

struct Sheet
{
    QString name;
    QList<double> columnWidths; // in characters, one per column
    int headingRow = 0;         // repeated at the top of every printed page...
    QList<Cell> cells;          // row by row, left to right
    int headingLastRow = -1;    // ...down to this one where the heading has several rows
    bool landscape = false;

    int repeatedLastRow() const { return std::max(headingRow, headingLastRow); }
};

Sheet layout(const BillOfMaterials &list);

// "H5" for a 0-based row and column.
QString cellName(int row, int column);

} // namespace BomSheet
