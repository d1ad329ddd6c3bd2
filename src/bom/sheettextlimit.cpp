#include "bom/sheettextlimit.h"

namespace SheetTextLimit {

QString cutMark()
{
    return QStringLiteral("… [текст обрезан: в ячейке Excel не больше 32767 знаков]");
}

int cutLongTexts(BomSheet::Sheet &sheet)
{
    int cut = 0;
    const QList<uint> mark = cutMark().toUcs4();
    for (BomSheet::Cell &cell : sheet.cells) {
        // Characters as the workbook counts them: code points, not UTF-16 units.
        const QList<uint> characters = cell.text.toUcs4();
        if (characters.size() <= MaxCharacters || cell.type == BomSheet::Cell::Type::Formula)
            continue;
        const QList<uint> kept = characters.first(MaxCharacters - mark.size()) + mark;
        cell.text = QString::fromUcs4(reinterpret_cast<const char32_t *>(kept.constData()), kept.size());
        ++cut;
    }
    return cut;
}

} // namespace SheetTextLimit
