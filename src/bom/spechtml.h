#pragma once

#include "steelspec/spectable.h"

#include <QList>
#include <QString>

// The specification's tables as rich text for the list window's view: each under the line
// with the project's name and the sheet's title and its own title, drawn with the form's lines,
// its spans and its alignments, the totals bold.
namespace SpecHtml {

QString html(const QList<SpecTable> &tables);

} // namespace SpecHtml
