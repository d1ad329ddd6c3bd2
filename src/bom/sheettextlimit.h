#pragma once

#include "bom/bomsheet.h"

#include <QString>

// A cell of a workbook holds at most 32,767 characters (Excel's limit, which the workbook
// library enforces by refusing the cell). A longer text of the list (an own size's designation
// may be of any length) is cut to fit with a mark that shows it was, so nothing is lost unseen.
namespace SheetTextLimit {

inline constexpr int MaxCharacters = 32767;

// The mark put at the end of a cut text.
QString cutMark();

// Cuts every text cell longer than the limit (counted in characters, as the
// workbook counts them); returns how many were cut.
int cutLongTexts(BomSheet::Sheet &sheet);

} // namespace SheetTextLimit
