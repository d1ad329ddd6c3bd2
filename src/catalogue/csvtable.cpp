#include "catalogue/csvtable.h"

#include <QFile>
#include <QSet>

#include <optional>

namespace {

const QString TableTag = QStringLiteral("# table:");
const QString PartialTag = QStringLiteral("# partial:");

// Splits one line into fields: comma-separated, a field in double quotes may hold commas and
// doubled quotes. Returns false on a stray or unterminated quote.
bool splitLine(const QString &line, QStringList &fields)
{
    fields.clear();
    QString field;
    int i = 0;
    const int n = line.size();
    while (true) {
        field.clear();
        if (i < n && line.at(i) == QLatin1Char('"')) {
            ++i;
            bool closed = false;
            while (i < n) {
                const QChar c = line.at(i++);
                if (c != QLatin1Char('"')) {
                    field += c;
                } else if (i < n && line.at(i) == QLatin1Char('"')) {
                    field += c;
                    ++i;
                } else {
                    closed = true;
                    break;
                }
            }
            if (!closed || (i < n && line.at(i) != QLatin1Char(',')))
                return false;
        } else {
            while (i < n && line.at(i) != QLatin1Char(',')) {
                if (line.at(i) == QLatin1Char('"'))
                    return false;
                field += line.at(i++);
            }
        }
        fields.append(field);
        if (i >= n)
            return true;
        ++i; // the comma
    }
}

CsvProblem problemAt(int line, CsvProblem::Kind kind, bool inHeader = false)
{
    CsvProblem problem;
    problem.line = line;
    problem.kind = kind;
    problem.inHeader = inHeader;
    return problem;
}

// The header's own faults: an empty or a repeated column name.
std::optional<CsvProblem> headerProblem(const QStringList &fields, int lineNo)
{
    QSet<QString> seen;
    for (const QString &column : fields) {
        if (column.trimmed().isEmpty())
            return problemAt(lineNo, CsvProblem::Kind::EmptyColumnName, true);
        if (seen.contains(column)) {
            CsvProblem repeated = problemAt(lineNo, CsvProblem::Kind::RepeatedColumn, true);
            repeated.column = column;
            return repeated;
        }
        seen.insert(column);
    }
    return std::nullopt;
}

QString writtenField(const QString &text, bool alone)
{
    QString field = text;
    field.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    if (field.contains(QLatin1Char(',')) || field.contains(QLatin1Char('"'))
        || field.startsWith(QLatin1Char('#')) || (alone && field.isEmpty())) {
        field.replace(QLatin1Char('"'), QStringLiteral("\"\""));
        return QLatin1Char('"') + field + QLatin1Char('"');
    }
    return field;
}

QString writtenLine(const QStringList &fields)
{
    QStringList written;
    written.reserve(fields.size());
    for (const QString &field : fields)
        written.append(writtenField(field, fields.size() == 1));
    return written.join(QLatin1Char(','));
}

// A line of the note before the header: the table's name, its partial text, or a note.
void readNoteLine(CsvReading &reading, const QString &line, int lineNo)
{
    CsvTable &table = reading.table;
    if (line.startsWith(TableTag) && table.name.isEmpty()) {
        table.name = line.mid(TableTag.size()).trimmed();
    } else if (line.startsWith(PartialTag)) {
        // A faulty partial line stops the build; a reader that goes on keeps the first.
        const QString partial = line.mid(PartialTag.size()).trimmed();
        if (!table.partial.isEmpty())
            reading.problems.append(problemAt(lineNo, CsvProblem::Kind::SecondPartial));
        else if (partial.isEmpty())
            reading.problems.append(problemAt(lineNo, CsvProblem::Kind::EmptyPartial));
        else
            table.partial = partial;
    } else {
        table.note.append(line.mid(1).trimmed());
    }
}

// The header line after the note; false when it cannot be read. Without a readable header no
// row can be placed in its columns: reading stops.
bool readHeader(CsvReading &reading, const QStringList &fields, int lineNo)
{
    CsvTable &table = reading.table;
    if (table.name.isEmpty()) {
        reading.problems.append(problemAt(lineNo, CsvProblem::Kind::HeaderBeforeName, true));
        return false;
    }
    if (const std::optional<CsvProblem> fault = headerProblem(fields, lineNo)) {
        reading.problems.append(*fault);
        return false;
    }
    table.columns = fields;
    table.headerLine = lineNo;
    return true;
}

} // namespace

QString CsvProblem::describe() const
{
    switch (kind) {
    case Kind::EmptyLine: return QStringLiteral("empty line");
    case Kind::UnbalancedQuote: return QStringLiteral("unbalanced double quote");
    case Kind::FieldCount: return QStringLiteral("%1 fields, the header has %2").arg(fields).arg(columns);
    case Kind::EmptyColumnName: return QStringLiteral("empty column name");
    case Kind::RepeatedColumn: return QStringLiteral("column \"%1\" twice").arg(column);
    case Kind::HeaderBeforeName:
        return QStringLiteral("the header comes before a '# table: <name>' line");
    case Kind::NoName: return QStringLiteral("no '# table: <name>' line");
    case Kind::NoHeader: return QStringLiteral("no header line");
    case Kind::SecondPartial: return QStringLiteral("a second '# partial:' line");
    case Kind::EmptyPartial: return QStringLiteral("'# partial:' without a text");
    }
    return QString();
}

CsvReading parseCsvTable(const QByteArray &bytes)
{
    CsvReading reading;
    CsvTable &table = reading.table;
    QString text = QString::fromUtf8(bytes);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    const QStringList lines = text.split(QLatin1Char('\n'));
    const auto problem = [&](CsvProblem found) { reading.problems.append(std::move(found)); };

    int lineNo = 0;
    for (const QString &raw : lines) {
        ++lineNo;
        QString line = raw;
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        const bool inNote = table.columns.isEmpty();
        if (inNote && line.startsWith(QLatin1Char('#'))) {
            readNoteLine(reading, line, lineNo);
            continue;
        }
        if (line.isEmpty()) {
            if (lineNo == lines.size())
                break; // the final line end
            problem(problemAt(lineNo, CsvProblem::Kind::EmptyLine));
            continue;
        }
        QStringList fields;
        if (!splitLine(line, fields)) {
            problem(problemAt(lineNo, CsvProblem::Kind::UnbalancedQuote, inNote));
            if (inNote)
                return reading;
            continue;
        }
        if (inNote) {
            if (!readHeader(reading, fields, lineNo))
                return reading;
            continue;
        }
        if (fields.size() != table.columns.size()) {
            CsvProblem count = problemAt(lineNo, CsvProblem::Kind::FieldCount);
            count.fields = int(fields.size());
            count.columns = int(table.columns.size());
            problem(count);
            continue;
        }
        table.rows.append(fields);
        table.rowLines.append(lineNo);
    }
    if (table.name.isEmpty())
        problem(problemAt(lineNo, CsvProblem::Kind::NoName, true));
    else if (table.columns.isEmpty())
        problem(problemAt(lineNo, CsvProblem::Kind::NoHeader, true));
    return reading;
}

bool readCsvTable(const QString &path, CsvTable &table, QString &error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = QStringLiteral("%1: cannot open: %2").arg(path, file.errorString());
        return false;
    }
    CsvReading reading = parseCsvTable(file.readAll());
    if (!reading.problems.isEmpty()) {
        const CsvProblem &first = reading.problems.constFirst();
        error = QStringLiteral("%1:%2: %3").arg(path).arg(first.line).arg(first.describe());
        return false;
    }
    table = std::move(reading.table);
    return true;
}

QByteArray writeCsvTable(const CsvTable &table)
{
    QString text = TableTag + QLatin1Char(' ') + table.name + QLatin1Char('\n');
    if (!table.partial.isEmpty())
        text += PartialTag + QLatin1Char(' ') + table.partial + QLatin1Char('\n');
    for (const QString &line : table.note)
        text += (line.isEmpty() ? QStringLiteral("#") : QStringLiteral("# ") + line) + QLatin1Char('\n');
    text += writtenLine(table.columns) + QLatin1Char('\n');
    for (const QStringList &row : table.rows)
        text += writtenLine(row) + QLatin1Char('\n');
    return text.toUtf8();
}
