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
// The marks the window and the list file show after the printed columns.
enum MarkColumn { Grade = ColumnCount, Group, PropertyClass, AllColumnCount };

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
// The marks' headings and an item's marks as the list file keeps them (grade, group, class).
QStringList markHeadings();
QStringList markFields(const BomItem &item);
// The grade as the window shows it: with its density where that is not the tables' 7.85
// ("12Х18Н10Т, ρ 7,90"), so the changed masses are explained on the line.
QString gradeText(const BomItem &item, const QLocale &locale = QLocale());

// Grams of a line as printed: its quantity (the area of a mesh) times the mass of one piece
// rounded to the printed gram, so that each line multiplies out; a subtotal adds these up.
std::int64_t printedGrams(const BomItem &item);
// The same in kilograms.
double printedKg(const BomItem &item);

} // namespace BomTable
