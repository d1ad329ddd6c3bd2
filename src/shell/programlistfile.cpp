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

// Reads the fields of one line, its line end cut off.
class FieldReader
{
public:
    FieldReader(QByteArrayView line, bool lastOfText)
        : m_line(line)
        , m_lastOfText(lastOfText)
    {
    }

    std::optional<Record> record()
    {
        Record record;
        if (!field(record.program, false) || !comma() || !field(record.directory, true)
            || m_pos != m_line.size())
            return std::nullopt;
        return record;
    }

private:
    // The next field up to the comma or the line end that closes it.
    bool field(QByteArray &field, bool second)
    {
        while (m_pos < m_line.size() && isBlank(m_line[m_pos]))
            ++m_pos;
        // A second field cut off by the end of the text, as a file broken off after a comma.
        if (second && m_pos == m_line.size() && m_lastOfText)
            return false;
        if (m_pos < m_line.size() && m_line[m_pos] == '"') {
            const qsizetype close = m_line.indexOf('"', m_pos + 1);
            if (close < 0)
                return false;
            field = m_line.sliced(m_pos + 1, close - m_pos - 1).toByteArray();
            m_pos = close + 1;
            while (m_pos < m_line.size() && m_line[m_pos] != ',')
                ++m_pos;
        } else {
            const qsizetype start = m_pos;
            while (m_pos < m_line.size() && m_line[m_pos] != ',')
                ++m_pos;
            qsizetype last = m_pos;
            while (last > start && isBlank(m_line[last - 1]))
                --last;
            field = m_line.sliced(start, last - start).toByteArray();
        }
        return true;
    }

    bool comma()
    {
        if (m_pos == m_line.size() || m_line[m_pos] != ',')
            return false;
        ++m_pos;
        return true;
    }

    QByteArrayView m_line;
    bool m_lastOfText;
    qsizetype m_pos = 0;
};

bool endsInLineEnd(const QByteArray &bytes)
{
    return !bytes.isEmpty() && isLineEnd(bytes.back());
}

} // namespace

QList<Line> parseLines(const QByteArray &text)
{
    QList<Line> lines;
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = start;
        while (end < text.size() && !isLineEnd(text[end]))
            ++end;
        const qsizetype contentEnd = end;
        if (end < text.size()) {
            if (text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n')
                ++end;
            ++end;
        }
        const QByteArrayView content(text.constData() + start, contentEnd - start);
        lines.append({text.sliced(start, end - start),
                      FieldReader(content, contentEnd == end).record()});
        start = end;
    }
    return lines;
}

QList<Record> parse(const QByteArray &text)
{
    QList<Record> records;
    for (const Line &line : parseLines(text))
        if (line.record)
            records.append(*line.record);
    return records;
}

QByteArray format(const QList<Record> &records)
{
    QByteArray text;
    for (const Record &record : records)
        text += '"' + record.program + "\",\"" + record.directory + "\"\r\n";
    return text;
}

QByteArray withRecordLast(const QByteArray &text, const Record &own)
{
    QByteArray updated;
    updated.reserve(text.size() + own.program.size() + own.directory.size() + 7);
    for (const Line &line : parseLines(text))
        if (!line.record || line.record->program != own.program)
            updated += line.bytes;
    if (!updated.isEmpty() && !endsInLineEnd(updated))
        updated += "\r\n";
    return updated + format({own});
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
