#pragma once

#include "bom/bomsheet.h"

#include <QString>

// Laid-out sheets written as one Excel workbook with libxlsxwriter, each set for A4 one page
// wide. Part of the export plugin.
namespace BomXlsx {

bool write(const QList<BomSheet::Sheet> &sheets, const QString &path, QString *error = nullptr);

} // namespace BomXlsx
