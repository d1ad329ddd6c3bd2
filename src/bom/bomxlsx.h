#pragma once

#include "bom/bomsheet.h"

#include <QString>

// A laid-out sheet written as an Excel workbook with libxlsxwriter, set for A4 one page wide.
// Part of the export plugin.
namespace BomXlsx {

bool write(const BomSheet::Sheet &sheet, const QString &path, QString *error = nullptr);

} // namespace BomXlsx
