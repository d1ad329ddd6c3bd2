#pragma once

#include "bom/billofmaterials.h"

#include <QList>
#include <QLocale>
#include <QString>
#include <QStringList>

#include <optional>

// The materials list as a drawing's table shows it: a heading line per standard, its items, its
// subtotal, and the grand total in kilograms and in tonnes. The window, the print and the
// exports all lay the list out through here.
namespace BomTable {

enum Column { Number, Name, Standard, Size, Length, Quantity, OnePiece, Mass, ColumnCount };

enum class RowKind { GroupHeading, Item, Subtotal, TotalKg, TotalTonnes };

struct Row
{
    RowKind kind;
    int item = -1;  // position in the list
    int group = -1; // position in the list's groups
};

QList<Row> rows(const BillOfMaterials &list);

// The column headings; the length column's names what the items measure: "Длина, мм",
// "Площадь, м2" when every item is a mesh by area, both when they are mixed.
QStringList headings(const QList<BomItem> &items);

// The text of a cell, numbers written with the locale's decimal separator and no grouping.
QString cell(const BillOfMaterials &list, const Row &row, int column, const QLocale &locale = QLocale());

// A standard's heading; "Без стандарта" for items whose kind names none.
QString groupLabel(const QString &standard);
// A mass in kilograms (or tonnes) with three decimals.
QString mass(double value, const QLocale &locale = QLocale());
// A length, area or number of pieces, in as few digits as give it back exactly.
QString figure(double value, const QLocale &locale = QLocale());

// A figure typed or read from a file: digits with a decimal comma or point, blanks around and
// between groups of digits allowed; nothing for anything else or a negative figure.
std::optional<double> readFigure(const QString &text);

// The item's fields in column order, for the exports and the copy.
QStringList itemFields(const BillOfMaterials &list, int position, const QLocale &locale = QLocale());

} // namespace BomTable
