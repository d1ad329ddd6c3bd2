#include "ownsizes/ownsizefile.h"

#include "catalogue/csvtable.h"

namespace {

QString reason(const CsvProblem &problem, const QString &table)
{
    using K = CsvProblem::Kind;
    switch (problem.kind) {
    case K::EmptyLine: return QStringLiteral("Пустая строка.");
    case K::UnbalancedQuote: return QStringLiteral("Непарная кавычка.");
    case K::FieldCount:
        return QStringLiteral("Полей %1, а столбцов в заголовке %2.").arg(problem.fields).arg(problem.columns);
    case K::EmptyColumnName:
    case K::RepeatedColumn: return QStringLiteral("Заголовок не совпадает со столбцами таблицы.");
    case K::HeaderBeforeName:
    case K::NoName: return QStringLiteral("Нет строки «# table: %1».").arg(table);
    case K::NoHeader: return QStringLiteral("Нет строки заголовка.");
    // A mark of the base's sources, which means nothing for own sizes: no fault of theirs.
    case K::SecondPartial:
    case K::EmptyPartial: return QString();
    }
    return QString();
}

// The 1-based lines (as the table reader counts them, cut at LF) whose bytes are no UTF-8: a
// file saved in another encoding would be read with replacement marks and written back so.
QList<int> linesNotInUtf8(const QByteArray &text)
{
    QList<int> lines;
    int line = 1;
    for (qsizetype start = 0; start <= text.size(); ++line) {
        qsizetype end = text.indexOf('\n', start);
        if (end < 0)
            end = text.size();
        if (!QByteArrayView(text).sliced(start, end - start).isValidUtf8())
            lines.append(line);
        start = end + 1;
    }
    return lines;
}

} // namespace

OwnSizeFile OwnSizeFile::parse(const QByteArray &text, const QString &table, const QStringList &columns,
                               const SizeRule &rule, int baseRows)
{
    OwnSizeFile file;
    if (text.trimmed().isEmpty())
        return file;
    const CsvReading reading = parseCsvTable(text);
    const CsvTable &read = reading.table;
    file.note = read.note;
    // Problems and refused rows in line order; the first one is the one the user is told of.
    const auto bad = [&file](int line, const QString &why) {
        if (file.damaged() && file.badLine <= line)
            return;
        file.badLine = line;
        file.badReason = why;
    };
    for (const CsvProblem &problem : reading.problems)
        if (const QString why = reason(problem, table); !why.isEmpty())
            bad(problem.line, why);
    const QList<int> notUtf8 = linesNotInUtf8(text);
    const QString notUtf8Reason = QStringLiteral("Знаки не в кодировке UTF-8: файл сохранён в другой кодировке?");
    for (int line : notUtf8)
        bad(line, notUtf8Reason);
    if (read.columns.isEmpty())
        return file;
    if (read.name != table) {
        bad(1, QStringLiteral("Файл относится к таблице «%1», а не «%2».").arg(read.name, table));
        return file;
    }
    // Where each column of the table stands in the file's header.
    QList<int> from;
    for (const QString &column : columns)
        from.append(int(read.columns.indexOf(column)));
    for (const QString &column : read.columns)
        if (!columns.contains(column)) {
            bad(read.headerLine, QStringLiteral("Заголовок не совпадает со столбцами таблицы: "
                                                "в таблице нет столбца «%1».").arg(column));
            return file;
        }
    for (qsizetype i = 0; i < read.rows.size(); ++i) {
        if (notUtf8.contains(read.rowLines.at(i)))
            continue; // told of above; the copy of the file keeps its bytes
        QStringList row;
        row.reserve(columns.size());
        for (int at : from)
            row.append(at >= 0 ? read.rows.at(i).at(at) : QString());
        if (const std::optional<SizeRule::Fault> fault = rule.check(row, baseRows + int(file.rows.size()))) {
            bad(read.rowLines.at(i), fault->message);
            continue;
        }
        file.rows.append(std::move(row));
    }
    return file;
}

QByteArray OwnSizeFile::text(const QString &table, const QStringList &columns) const
{
    CsvTable written;
    written.name = table;
    written.note = note;
    written.columns = columns;
    written.rows = rows;
    return writeCsvTable(written);
}
