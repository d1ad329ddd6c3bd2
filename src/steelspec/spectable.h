#pragma once

#include <QList>
#include <QPoint>
#include <QString>

#include <optional>

// A table of the specification as every output draws it (the window's view, the PDF and the
// print, the workbook, CSV): its title, the line over it with the project's name and the sheet's
// title, the columns' widths as the form gives them, the heading rows (repeated on each page)
// and the body. Every row holds a cell per column; a cell spanning columns or rows covers the
// ones it spans, which stay empty.
struct SpecCell
{
    enum class Align { Left, Centre, Right };

    QString text;           // as shown
    int columnSpan = 1;
    int rowSpan = 1;
    bool covered = false;   // inside another cell's span
    Align align = Align::Left;
    bool bold = false;
    // A figure: the number a workbook holds (the shown one, exactly), and for a total the body
    // cells it adds up, as (column, row) of the body.
    std::optional<double> number;
    QList<QPoint> sumOf;

    static SpecCell textCell(const QString &text, Align align = Align::Left, bool bold = false);
    static SpecCell figure(const QString &text, double number, bool bold = false);
};

using SpecRow = QList<SpecCell>;

struct SpecTable
{
    QString title;
    QString project;            // the line over the form: the project's name...
    QString sheet;              // ...and the sheet's title
    QList<double> columnWidthsMm;
    QList<SpecRow> heading;
    QList<SpecRow> body;
    int decimals = 2;           // of the figures, as a workbook formats them

    int columnCount() const { return int(columnWidthsMm.size()); }
    double widthMm() const;
};

// A row of empty cells, one per column.
SpecRow emptyRow(int columns);
// Puts a cell into a row, spanning columns, and marks the cells it covers.
void place(SpecRow &row, int column, const SpecCell &cell);
