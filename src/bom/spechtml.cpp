#include "bom/spechtml.h"

namespace SpecHtml {

namespace {

QString alignText(SpecCell::Align align)
{
    switch (align) {
    case SpecCell::Align::Centre: return QStringLiteral("center");
    case SpecCell::Align::Right: return QStringLiteral("right");
    case SpecCell::Align::Left: break;
    }
    return QStringLiteral("left");
}

QString rowHtml(const SpecRow &row, bool heading)
{
    QString out = QStringLiteral("<tr>");
    for (const SpecCell &cell : row) {
        if (cell.covered)
            continue;
        const QString tag = heading ? QStringLiteral("th") : QStringLiteral("td");
        out += QStringLiteral("<%1 align=\"%2\"").arg(tag, heading ? QStringLiteral("center") : alignText(cell.align));
        if (cell.columnSpan > 1)
            out += QStringLiteral(" colspan=\"%1\"").arg(cell.columnSpan);
        if (cell.rowSpan > 1)
            out += QStringLiteral(" rowspan=\"%1\"").arg(cell.rowSpan);
        const QString text = cell.text.toHtmlEscaped();
        out += QLatin1Char('>') + (cell.bold && !heading ? QStringLiteral("<b>%1</b>").arg(text) : text)
               + QStringLiteral("</%1>").arg(tag);
    }
    return out + QStringLiteral("</tr>");
}

QString tableHtml(const SpecTable &table)
{
    QString out;
    QStringList line{table.project, table.sheet};
    line.removeAll(QString());
    if (!line.isEmpty())
        out += QStringLiteral("<p>%1</p>").arg(line.join(QStringLiteral(". ")).toHtmlEscaped());
    out += QStringLiteral("<h3>%1</h3>").arg(table.title.toHtmlEscaped());
    out += QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\">");
    for (const SpecRow &row : table.heading)
        out += rowHtml(row, true);
    for (const SpecRow &row : table.body)
        out += rowHtml(row, false);
    return out + QStringLiteral("</table>");
}

} // namespace

QString html(const QList<SpecTable> &tables)
{
    QString out = QStringLiteral("<html><body>");
    for (const SpecTable &table : tables)
        out += tableHtml(table);
    return out + QStringLiteral("</body></html>");
}

} // namespace SpecHtml
