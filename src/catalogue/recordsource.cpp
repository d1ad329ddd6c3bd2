#include "catalogue/recordsource.h"

namespace {

// A small reader over the record-source text.
class Reader
{
public:
    explicit Reader(const QString &text) : m_text(text) {}

    bool atEnd()
    {
        skipBlanks();
        return m_pos >= m_text.size();
    }

    void skipBlanks()
    {
        while (m_pos < m_text.size() && m_text.at(m_pos).isSpace())
            ++m_pos;
    }

    // A keyword followed by a blank, the end, or (for "select") a bracket or star.
    bool keyword(QLatin1StringView word)
    {
        skipBlanks();
        if (m_text.mid(m_pos, word.size()).compare(word, Qt::CaseInsensitive) != 0)
            return false;
        const qsizetype after = m_pos + word.size();
        if (after < m_text.size()) {
            const QChar next = m_text.at(after);
            if (!next.isSpace() && next != QLatin1Char('[') && next != QLatin1Char('*'))
                return false;
        }
        m_pos = after;
        return true;
    }

    bool symbol(QChar c)
    {
        skipBlanks();
        if (m_pos < m_text.size() && m_text.at(m_pos) == c) {
            ++m_pos;
            return true;
        }
        return false;
    }

    // [any name] or a bare word of letters, digits and underscores.
    std::optional<QString> name()
    {
        skipBlanks();
        if (m_pos >= m_text.size())
            return std::nullopt;
        if (m_text.at(m_pos) == QLatin1Char('[')) {
            const qsizetype close = m_text.indexOf(QLatin1Char(']'), m_pos + 1);
            if (close < 0 || close == m_pos + 1)
                return std::nullopt;
            const QString result = m_text.mid(m_pos + 1, close - m_pos - 1);
            if (result.contains(QLatin1Char('[')))
                return std::nullopt;
            m_pos = close + 1;
            return result;
        }
        const qsizetype start = m_pos;
        while (m_pos < m_text.size()
               && (m_text.at(m_pos).isLetterOrNumber() || m_text.at(m_pos) == QLatin1Char('_')))
            ++m_pos;
        if (m_pos == start)
            return std::nullopt;
        return m_text.mid(start, m_pos - start);
    }

    std::optional<QStringList> nameList(int most)
    {
        QStringList names;
        do {
            const auto n = name();
            if (!n)
                return std::nullopt;
            names.append(*n);
        } while (symbol(QLatin1Char(',')));
        if (most > 0 && names.size() > most)
            return std::nullopt;
        return names;
    }

private:
    const QString &m_text;
    qsizetype m_pos = 0;
};

bool isBareTableName(const QString &text)
{
    return !text.trimmed().isEmpty() && text == text.trimmed()
           && !text.contains(QLatin1Char('[')) && !text.contains(QLatin1Char(']'));
}

} // namespace

std::optional<RecordSource> RecordSource::parse(const QString &text)
{
    Reader reader(text);
    if (!reader.keyword(QLatin1StringView("select"))) {
        if (!isBareTableName(text))
            return std::nullopt;
        return RecordSource{text, {}, {}};
    }

    RecordSource source;
    if (!reader.symbol(QLatin1Char('*'))) {
        const auto columns = reader.nameList(0);
        if (!columns)
            return std::nullopt;
        source.columns = *columns;
    }
    if (!reader.keyword(QLatin1StringView("from")))
        return std::nullopt;
    const auto table = reader.name();
    if (!table)
        return std::nullopt;
    source.table = *table;
    if (reader.keyword(QLatin1StringView("order"))) {
        if (!reader.keyword(QLatin1StringView("by")))
            return std::nullopt;
        const auto order = reader.nameList(2);
        if (!order)
            return std::nullopt;
        source.orderBy = *order;
    }
    if (!reader.atEnd())
        return std::nullopt;
    return source;
}

QString quoteSqliteIdentifier(const QString &name)
{
    QString quoted = name;
    quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

QString RecordSource::toSqlite() const
{
    QStringList selected;
    for (const QString &column : columns)
        selected.append(quoteSqliteIdentifier(column));
    QStringList order;
    for (const QString &column : orderBy)
        order.append(quoteSqliteIdentifier(column));
    // Without an ordering the rows must come as stored (the row position picks drawings);
    // with one, rows of equal keys keep their stored order.
    order.append(QStringLiteral("rowid"));
    return QStringLiteral("SELECT %1 FROM %2 ORDER BY %3")
        .arg(selected.isEmpty() ? QStringLiteral("*") : selected.join(QStringLiteral(", ")),
             quoteSqliteIdentifier(table), order.join(QStringLiteral(", ")));
}
