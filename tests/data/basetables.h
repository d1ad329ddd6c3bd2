#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// Read access to the built "base.mdb" for the data checks: the tables as the grid shows them.
namespace BaseTables {

constexpr double pi = 3.14159265358979323846;
// Steel as the standards take it: 7850 kg/m³, so 1 cm² of section weighs 0.785 kg a metre.
constexpr double steelDensity = 7850.0;
constexpr double kgPerMetrePerCm2 = 0.785;

// The names of the base's tables, in name order.
QStringList tableNames();

// Column names of a table, in table order; empty when the table is missing.
QStringList columns(const QString &table);

// Every row of a whole table in stored order, each cell as its text (NULL gives "").
QList<QStringList> rows(const QString &table);

// The figure of a cell: the text read as a number with a point as decimal separator;
// ok is false for an empty or non-numeric cell.
double number(const QString &cell, bool *ok = nullptr);

// The figure of a cell, NaN for an empty or non-numeric one, so that a comparison with it fails.
double cellNumber(const QString &cell);

// A cell that the lenient number reading turns into the figure written in it: digits, an
// optional point and more digits, nothing else.
bool isPlainDecimal(const QString &cell);

// A positive whole number without sign, point or leading zero.
bool isPlainInteger(const QString &cell);

// The number of digits written after the point.
int decimals(const QString &cell);

// The 0-based position of a named column, -1 when the table lacks it.
int columnOf(const QString &table, const QString &name);

// The first row whose cell in the column is not a plain positive figure (the mass cells the
// program reads), -1 when every row has one.
int firstBadMassRow(const QList<QStringList> &rows, int column);

} // namespace BaseTables
