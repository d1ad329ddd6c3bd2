#pragma once

#include "bom/billofmaterials.h"

#include <QString>

// The materials list as an Excel workbook, laid out as the window groups it: a heading line
// per standard, the items with their figures as numbers (masses at full precision, shown with
// three decimals), each group's subtotal and the grand totals as formulas with their values,
// set for A4.
namespace BomXlsx {

bool write(const BillOfMaterials &list, const QString &path, QString *error = nullptr);

} // namespace BomXlsx
