#include "ownsizes/sizeentry.h"

#include "catalogue/recordsetmodel.h"
#include "calc/readnumber.h"
#include "catalogue/recordsource.h"

#include <cmath>

SizeEntry::SizeEntry(const RecordSource &source, const QStringList &tableColumns, SizeRule rule,
                     int position, QStringList start, QSet<int> textColumns)
    : m_columns(tableColumns)
    , m_rule(std::move(rule))
    , m_position(position)
    , m_start(std::move(start))
    , m_textColumns(std::move(textColumns))
{
    while (m_start.size() < m_columns.size())
        m_start.append(QString());
    for (int column = 0; column < m_columns.size(); ++column) {
        const QString &name = m_columns.at(column);
        const bool hiddenKey = !source.columns.isEmpty() && !source.columns.contains(name)
                               && source.orderBy.contains(name);
        if (!hiddenKey)
            m_fields.append(column);
    }
}

QString SizeEntry::caption(int field) const
{
    return m_columns.value(m_fields.value(field, -1));
}

QString SizeEntry::startText(int field) const
{
    return m_start.value(m_fields.value(field, -1));
}

SizeEntry::Outcome SizeEntry::accept(const QStringList &typed) const
{
    QStringList row = m_start;
    const QList<int> ruled = m_rule.readColumns(m_position);
    for (int field = 0; field < m_fields.size(); ++field) {
        const int column = m_fields.at(field);
        QString text = typed.value(field).trimmed();
        if (!m_textColumns.contains(column) && !text.isEmpty()) {
            // A column the base fills with numbers takes a number, which the grid and the
            // search read as one; the columns the mass is worked out from are the rule's to
            // refuse, in its own words.
            const std::optional<QString> number = normalisedNumber(text);
            const bool finite = number && std::isfinite(ReadNumber(*number));
            if (finite)
                text = *number;
            else if (!ruled.contains(column))
                return {std::nullopt,
                        (number ? QStringLiteral("Число в поле «%1» слишком велико.")
                                : QStringLiteral("В поле «%1» должно стоять число."))
                            .arg(m_columns.at(column)),
                        field};
        }
        row[column] = text;
    }
    if (const std::optional<SizeRule::Fault> fault = m_rule.check(row, m_position))
        return {std::nullopt, fault->message, int(m_fields.indexOf(fault->column))};
    return {row, QString(), -1};
}

std::optional<QString> SizeEntry::normalisedNumber(const QString &typed)
{
    QString text;
    for (const QChar c : typed)
        if (!c.isSpace())
            text.append(c);
    if (text.count(QLatin1Char(',')) == 1 && !text.contains(QLatin1Char('.')))
        text.replace(QLatin1Char(','), QLatin1Char('.'));
    if (!SizeRule::isPlainNumber(text))
        return std::nullopt;
    if (text.startsWith(QLatin1Char('.')))
        text.prepend(QLatin1Char('0'));
    return text;
}

QSet<int> SizeEntry::textColumns(const RecordSetModel &records, const RecordSource &source,
                                 const QStringList &tableColumns)
{
    QSet<int> words;
    for (int shown = 0; shown < records.columnCount(); ++shown) {
        const int column = source.columns.isEmpty() ? shown
                                                    : int(tableColumns.indexOf(source.columns.value(shown)));
        if (column < 0)
            continue;
        for (int row = 0; row < records.baseRowCount(); ++row) {
            const QString cell = records.cell(row, shown);
            if (!cell.isEmpty() && !SizeRule::isPlainNumber(cell)) {
                words.insert(column);
                break;
            }
        }
    }
    return words;
}
