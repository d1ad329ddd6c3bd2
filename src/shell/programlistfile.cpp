#include "shell/programlistfile.h"

namespace ProgramListFile {

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

bool isLineEnd(char c)
{
    return c == '\r' || c == '\n';
}

class FieldReader
{
public:
    explicit FieldReader(const QByteArray &text)
        : m_text(text)
    {
    }

    // The next field, or false when there is none (the end of the text, or an unclosed quote).
    bool read(QByteArray &field)
    {
        const qsizetype end = m_text.size();
        for (;;) {
            while (m_pos < end && isBlank(m_text[m_pos]))
                ++m_pos;
            if (!m_atLineStart || m_pos == end || !isLineEnd(m_text[m_pos]))
                break;
            skipLineEnd();
        }
        // Nothing left to read: the read fails, after a comma too (a record cut off there).
        if (m_pos == end)
            return false;

        if (m_pos < end && m_text[m_pos] == '"') {
            const qsizetype close = m_text.indexOf('"', m_pos + 1);
            if (close < 0) {
                m_pos = end;
                return false;
            }
            field = m_text.mid(m_pos + 1, close - m_pos - 1);
            m_pos = close + 1;
            while (m_pos < end && m_text[m_pos] != ',' && !isLineEnd(m_text[m_pos]))
                ++m_pos;
        } else {
            const qsizetype start = m_pos;
            while (m_pos < end && m_text[m_pos] != ',' && !isLineEnd(m_text[m_pos]))
                ++m_pos;
            qsizetype last = m_pos;
            while (last > start && isBlank(m_text[last - 1]))
                --last;
            field = m_text.mid(start, last - start);
        }
        closeField();
        return true;
    }

private:
    void skipLineEnd()
    {
        if (m_text[m_pos] == '\r' && m_pos + 1 < m_text.size() && m_text[m_pos + 1] == '\n')
            ++m_pos;
        ++m_pos;
    }

    // Passes over the comma or line end that closes a field.
    void closeField()
    {
        m_atLineStart = false;
        if (m_pos == m_text.size())
            return;
        if (m_text[m_pos] == ',') {
            ++m_pos;
        } else {
            skipLineEnd();
            m_atLineStart = true;
        }
    }

    const QByteArray &m_text;
    qsizetype m_pos = 0;
    bool m_atLineStart = true;
};

} // namespace

QList<Record> parse(const QByteArray &text)
{
    QList<Record> records;
    FieldReader reader(text);
    Record record;
    while (reader.read(record.program) && reader.read(record.directory))
        records.append(record);
    return records;
}

QByteArray format(const QList<Record> &records)
{
    QByteArray text;
    for (const Record &record : records)
        text += '"' + record.program + "\",\"" + record.directory + "\"\r\n";
    return text;
}

QByteArray encode(const QString &text)
{
    return text.toLocal8Bit();
}

QString decode(const QByteArray &bytes)
{
    return QString::fromLocal8Bit(bytes);
}

} // namespace ProgramListFile
