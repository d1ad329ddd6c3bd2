#pragma once

#include "steelspec/spectable.h"

#include <QByteArray>
#include <QList>
#include <QLocale>

// The specification's tables as one CSV file for a spreadsheet, in the materials list's own
// CSV convention (UTF-8 with its mark, ";" between fields, CR LF, decimal commas): for each
// table the line with the project and the sheet, its title, its heading rows, its body, and an
// empty line after it. A cell spanning several columns is written in its first one; a text that
// a spreadsheet would take for a formula ("-8×1500×3000") after an apostrophe, as the list does.
namespace SpecCsv {

// The tables are to be laid out with the file's locale (fileLocale()).
QByteArray write(const QList<SpecTable> &tables);
const QLocale &fileLocale();

} // namespace SpecCsv
