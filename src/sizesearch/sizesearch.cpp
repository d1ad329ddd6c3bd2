#include "sizesearch/sizesearch.h"

#include "catalogue/recordsetmodel.h"
#include "sizesearch/sizequery.h"

#include <QList>
#include <QStringList>

namespace {

QStringList rowCells(const RecordSetModel &rows, int row)
{
    QStringList cells;
    for (int column = 0; column < rows.columnCount(); ++column)
        cells.append(rows.cell(row, column));
    return cells;
}

} // namespace

SizeSearch::Found SizeSearch::find(const RecordSetModel &rows, const QString &typed, int currentRow)
{
    const SizeQuery query(typed);
    const bool again = m_searched && typed == m_lastTyped;
    m_lastTyped = typed;
    m_searched = true;
    Found found;
    if (query.isEmpty()) {
        found.empty = true;
        return found;
    }
    // The cells the rules read, as stored: "3.5", not the grid's "3,5".
    QList<int> matching;
    for (int row = 0; row < rows.rowCount(); ++row)
        if (query.matches(rowCells(rows, row)))
            matching.append(row);
    found.count = int(matching.size());
    if (matching.isEmpty())
        return found;
    qsizetype at = 0;
    if (again) {
        while (at < matching.size() && matching.at(at) <= currentRow)
            ++at;
        if (at == matching.size()) {
            at = 0;
            found.wrapped = true;
        }
    }
    found.row = matching.at(at);
    found.ordinal = int(at) + 1;
    return found;
}

QString SizeSearch::describe(const Found &found, const QString &typed)
{
    if (found.empty)
        return QStringLiteral("Введите размер, например 57х3,5.");
    if (found.row < 0)
        return QStringLiteral("Размер «%1» в таблице не найден.").arg(typed.trimmed());
    if (found.count == 1)
        return QStringLiteral("Найден единственный размер.");
    const QString place = QStringLiteral("Найдено: %1 из %2.").arg(found.ordinal).arg(found.count);
    return found.wrapped ? place + QStringLiteral(" Дальше совпадений нет, снова первое.") : place;
}
