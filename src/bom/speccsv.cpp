#include "bom/speccsv.h"

#include "bom/bomcsv.h"

#include <QStringList>

namespace SpecCsv {

namespace {

QString line(const QStringList &fields)
{
    return BomCsv::joinFields(fields, QLatin1Char(';')) + QStringLiteral("\r\n");
}

QString textLine(const QStringList &texts)
{
    QStringList fields;
    for (const QString &text : texts)
        fields.append(BomCsv::protectedText(text));
    return line(fields);
}

QString rowText(const SpecRow &row)
{
    QStringList fields;
    for (const SpecCell &cell : row)
        fields.append(cell.covered ? QString() : cell.number ? cell.text : BomCsv::protectedText(cell.text));
    return line(fields);
}

} // namespace

const QLocale &fileLocale()
{
    static const QLocale russian(QLocale::Russian, QLocale::Russia);
    return russian;
}

QByteArray write(const QList<SpecTable> &tables)
{
    QString text(QChar(0xFEFF));
    for (const SpecTable &table : tables) {
        text += textLine({table.project, table.sheet});
        text += textLine({table.title});
        for (const SpecRow &row : table.heading)
            text += rowText(row);
        for (const SpecRow &row : table.body)
            text += rowText(row);
        text += QStringLiteral("\r\n");
    }
    return text.toUtf8();
}

} // namespace SpecCsv
