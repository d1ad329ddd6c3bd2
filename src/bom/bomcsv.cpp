#include "bom/bomcsv.h"

#include "bom/bomtable.h"

#include <QStringDecoder>

namespace BomCsv {

namespace {

const QLocale &fileLocale()
{
    // The file's numbers have decimal commas whatever the user's regional settings.
    static const QLocale russian(QLocale::Russian, QLocale::Russia);
    return russian;
}

QString quoted(const QString &field, QChar separator)
{
    if (!field.contains(separator) && !field.contains(QLatin1Char('"')) && !field.contains(QLatin1Char('\n'))
        && !field.contains(QLatin1Char('\r')))
        return field;
    QString q = field;
    q.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + q + QLatin1Char('"');
}

// The fields of one line; nothing on an unclosed quote.
std::optional<QStringList> splitLine(const QString &line)
{
    QStringList fields;
    QString field;
    bool inQuotes = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line.at(i);
        if (inQuotes) {
            if (c == QLatin1Char('"') && i + 1 < line.size() && line.at(i + 1) == QLatin1Char('"')) {
                field += c;
                ++i;
            } else if (c == QLatin1Char('"')) {
                inQuotes = false;
            } else {
                field += c;
            }
        } else if (c == QLatin1Char('"')) {
            inQuotes = true;
        } else if (c == QLatin1Char(';')) {
            fields.append(field);
            field.clear();
        } else {
            field += c;
        }
    }
    if (inQuotes)
        return std::nullopt;
    fields.append(field);
    return fields;
}

// A text that begins, past any apostrophes, with a sign a spreadsheet starts a formula with.
bool formulaAfterApostrophes(const QString &field)
{
    qsizetype at = 0;
    while (at < field.size() && field.at(at) == QLatin1Char('\''))
        ++at;
    return at < field.size() && QStringLiteral("=+-@").contains(field.at(at));
}

bool isTextColumn(int column)
{
    return column == BomTable::Name || column == BomTable::Standard || column == BomTable::Size
           || column == BomTable::Grade || column == BomTable::Group;
}

QString unprotectedText(const QString &field)
{
    return field.startsWith(QLatin1Char('\'')) && formulaAfterApostrophes(field) ? field.mid(1) : field;
}

QStringList fileFields(const BillOfMaterials &list, int position)
{
    QStringList fields = BomTable::itemFields(list, position, fileLocale()) + BomTable::markFields(list.items().at(position));
    for (int column = 0; column < fields.size(); ++column)
        if (isTextColumn(column))
            fields[column] = protectedText(fields.at(column));
    return fields;
}

} // namespace

QString protectedText(const QString &field)
{
    return formulaAfterApostrophes(field) ? QLatin1Char('\'') + field : field;
}

QString joinFields(const QStringList &fields, QChar separator)
{
    QStringList out;
    out.reserve(fields.size());
    for (const QString &f : fields)
        out.append(quoted(f, separator));
    return out.join(separator);
}

QByteArray write(const BillOfMaterials &list)
{
    QString text;
    text += QChar(0xFEFF);
    text += joinFields(BomTable::headings(list.items()) + BomTable::markHeadings(), QLatin1Char(';'))
            + QStringLiteral("\r\n");
    for (int i = 0; i < list.count(); ++i)
        text += joinFields(fileFields(list, i), QLatin1Char(';')) + QStringLiteral("\r\n");
    return text.toUtf8();
}

QString itemKey(const BillOfMaterials &list, int position)
{
    return joinFields(fileFields(list, position).mid(1), QLatin1Char(';'));
}

Parsed parse(const QByteArray &bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder(bytes);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    Parsed parsed;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        QString line = lines.at(i);
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        if (line.trimmed().isEmpty())
            continue;
        if (i == 0 && line.startsWith(QStringLiteral("№")))
            continue;
        std::optional<QStringList> fields = splitLine(line);
        if (!fields || (fields->size() != FieldCount && fields->size() != FieldCountWithoutMarks)) {
            parsed.damaged.append(i + 1);
            continue;
        }
        while (fields->size() < FieldCount)
            fields->append(QString());
        for (int column = 0; column < FieldCount; ++column)
            if (isTextColumn(column))
                (*fields)[column] = unprotectedText(fields->at(column));
        parsed.lines.append({i + 1, *fields});
    }
    return parsed;
}

} // namespace BomCsv
