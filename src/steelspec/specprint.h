#pragma once

#include "steelspec/spectable.h"

#include <QList>
#include <QString>

class QPagedPaintDevice;

// The specification's tables drawn on A4 pages in the form's layout, with its lines: each table
// from a new page, under the line with the project's name and the sheet's title and its own
// title, its heading rows repeated at the top of every page it runs on, "Лист n из N" at the foot.
// The pages are landscape when a table's columns are wider than a portrait page; a table wider
// than a landscape page is drawn narrower to fit. The same drawing goes to a PDF and a printer.
namespace SpecPrint {

// Sets a device up for the tables: A4, portrait or landscape, margins of 15 mm.
void setUpPage(QPagedPaintDevice &device, const QList<SpecTable> &tables);
// Draws on the device as it is set up; the number of pages, 0 when nothing could be drawn.
int render(const QList<SpecTable> &tables, QPagedPaintDevice &device);
bool writePdf(const QList<SpecTable> &tables, const QString &path, QString *error = nullptr);

// Whether the tables need landscape pages.
bool needsLandscape(const QList<SpecTable> &tables);

} // namespace SpecPrint
