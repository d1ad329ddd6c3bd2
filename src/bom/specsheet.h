#pragma once

#include "bom/bomsheet.h"
#include "steelspec/spectable.h"

// A specification table as a workbook's sheet: the line with the project and the sheet's title,
// the title, the heading rows (repeated on every printed page) with their merged cells, and the
// body with its figures as numbers and its totals as live SUM formulas over the cells they add
// up, each with its printed value. Columns as wide as the form's millimetres; landscape where
// the form is wider than a portrait A4.
namespace SpecSheet {

BomSheet::Sheet layout(const SpecTable &table, const QString &sheetName);

// The width in a workbook's characters (of its default font: 7 pixels each, 5 of padding, at
// 96 dpi) of a column so many millimetres wide.
double columnCharacters(double mm);

// "SUM(E7:E9,E12)": the cells (column, sheet row) added up, runs of rows written as ranges.
QString sumFormula(const QList<QPoint> &cells);

} // namespace SpecSheet
