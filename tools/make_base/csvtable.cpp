#include "csvtable.h"

#include <QFile>
#include <QSet>

namespace {

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

} // namespace

bool readCsvTable(const QString &path, CsvTable &table, QString &error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        error = QStringLiteral("%1: cannot open: %2").arg(path, file.errorString());
        return false;
    }
    const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    table = CsvTable();
    const QString tableTag = QStringLiteral("# table:");
    const QString partialTag = QStringLiteral("# partial:");
    auto fail = [&](int lineNo, const QString &what) {
        error = QStringLiteral("%1:%2: %3").arg(path).arg(lineNo).arg(what);
        return false;
    };

    int lineNo = 0;
    for (const QString &raw : lines) {
        ++lineNo;
        QString line = raw;
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        const bool inNote = table.columns.isEmpty();
        if (inNote && line.startsWith(QLatin1Char('#'))) {
            if (line.startsWith(tableTag) && table.name.isEmpty()) {
                table.name = line.mid(tableTag.size()).trimmed();
            } else if (line.startsWith(partialTag)) {
                if (!table.partial.isEmpty())
                    return fail(lineNo, QStringLiteral("a second '# partial:' line"));
                table.partial = line.mid(partialTag.size()).trimmed();
                if (table.partial.isEmpty())
                    return fail(lineNo, QStringLiteral("'# partial:' without a text"));
            } else {
                table.note.append(line.mid(1).trimmed());
            }
            continue;
        }
        if (line.isEmpty()) {
            if (lineNo == lines.size())
                break; // the final line end
            return fail(lineNo, QStringLiteral("empty line"));
        }
        QStringList fields;
        if (!splitLine(line, fields))
            return fail(lineNo, QStringLiteral("unbalanced double quote"));
        if (inNote) {
            if (table.name.isEmpty())
                return fail(lineNo, QStringLiteral("the header comes before a '# table: <name>' line"));
            QSet<QString> seen;
            for (const QString &column : fields) {
                if (column.trimmed().isEmpty())
                    return fail(lineNo, QStringLiteral("empty column name"));
                if (seen.contains(column))
                    return fail(lineNo, QStringLiteral("column \"%1\" twice").arg(column));
                seen.insert(column);
            }
            table.columns = fields;
            continue;
        }
        if (fields.size() != table.columns.size())
            return fail(lineNo, QStringLiteral("%1 fields, the header has %2")
                                    .arg(fields.size())
                                    .arg(table.columns.size()));
        table.rows.append(fields);
    }
    if (table.name.isEmpty())
        return fail(lineNo, QStringLiteral("no '# table: <name>' line"));
    if (table.columns.isEmpty())
        return fail(lineNo, QStringLiteral("no header line"));
    return true;
}
