#pragma once

#include "bom/billofmaterials.h"

#include <QByteArray>
#include <QList>
#include <QStringList>

// The materials list as a text file for spreadsheets, the same for the export and for the list
// kept between runs: UTF-8 with a byte-order mark, fields separated by ";", decimal commas, a
// heading line, one line per item in the order shown (grouped), masses in kilograms with three
// decimals and the item's total, then its marks (steel grade, group of elements, property class).
// A file kept before the marks (eight fields a line) is read as items without marks. A field holding ";", a quote or a line break is quoted,
// its quotes doubled. A text (name, standard, size) that a spreadsheet would take for a formula
// is written after an apostrophe, which reading takes off again.
namespace BomCsv {

inline constexpr int FieldCount = 11;
// The lines of files written before the items had marks.
inline constexpr int FieldCountWithoutMarks = 8;

QByteArray write(const BillOfMaterials &list);

// An item's line as the file writes it, without its number: what tells two items of a file
// apart.
QString itemKey(const BillOfMaterials &list, int position);

struct Line
{
    int number = 0; // 1-based line of the file
    QStringList fields;
};

struct Parsed
{
    QList<Line> lines;   // the item lines, with the right number of fields
    QList<int> damaged;  // lines that are not item lines: fields missing or left over, an
                         // unclosed quote
};

// Reads the lines of a file. A first line that begins with "№" is the heading; blank lines are
// passed over; a missing byte-order mark is no fault.
Parsed parse(const QByteArray &bytes);

// A spreadsheet opening the file would run a text cell beginning with "=", "+", "-" or "@" as
// a formula: such a text is written after an apostrophe, which spreadsheets take as "text".
// A text that already begins with apostrophes before such a sign gets one more, so reading
// takes exactly one off and gives every text back as it was.
QString protectedText(const QString &field);

// One line's fields joined, quoted where needed, with this separator.
QString joinFields(const QStringList &fields, QChar separator);

} // namespace BomCsv
