#include "steelspec/specprint.h"

#include "platform/safefile.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>

namespace SpecPrint {

namespace {

constexpr double MarginMm = 15;
constexpr double PortraitWidthMm = 210 - 2 * MarginMm;
constexpr double TextPoints = 8;
constexpr double TitlePoints = 11;

struct Page
{
    QPainter &painter;
    QPagedPaintDevice &device;
    double width;
    double height;
    double dotsPerMm;
    QFont text;
    QFont bold;
    QFont title;
};

int flagsOf(const SpecCell &cell)
{
    const int horizontal = cell.align == SpecCell::Align::Right    ? Qt::AlignRight
                           : cell.align == SpecCell::Align::Centre ? Qt::AlignHCenter
                                                                   : Qt::AlignLeft;
    return horizontal | Qt::AlignVCenter | Qt::TextWordWrap;
}

// The columns' left edges and the right edge of the last, in device units: the form's widths,
// narrowed in proportion where the table is wider than the page.
QList<double> edgesOf(const SpecTable &table, const Page &page)
{
    const double scale = std::min(page.dotsPerMm, page.width / table.widthMm());
    QList<double> edges{0};
    for (const double mm : table.columnWidthsMm)
        edges.append(edges.last() + mm * scale);
    return edges;
}

double padding(const Page &page)
{
    return 0.8 * page.dotsPerMm;
}

double cellWidth(const SpecCell &cell, int column, const QList<double> &edges)
{
    return edges.at(std::min<qsizetype>(column + cell.columnSpan, edges.size() - 1)) - edges.at(column);
}

// The height a cell's text needs in its width, with the padding.
double cellHeight(const Page &page, const SpecCell &cell, double width)
{
    const QFontMetricsF metrics(cell.bold ? page.bold : page.text, &page.device);
    const QRectF room(0, 0, std::max(1.0, width - 2 * padding(page)), 1e9);
    const double text = std::max(metrics.boundingRect(room, flagsOf(cell), cell.text).height(), metrics.height());
    return text + 2 * padding(page);
}

// The heights of rows: each row's tallest cell that spans it alone; where a cell spanning
// several rows needs more than they have together, the last of them grows.
QList<double> rowHeights(const Page &page, const QList<SpecRow> &rows, const QList<double> &edges)
{
    QList<double> heights;
    for (const SpecRow &row : rows) {
        double height = cellHeight(page, SpecCell(), 1);
        for (int c = 0; c < row.size(); ++c)
            if (!row.at(c).covered && row.at(c).rowSpan == 1)
                height = std::max(height, cellHeight(page, row.at(c), cellWidth(row.at(c), c, edges)));
        heights.append(height);
    }
    for (int r = 0; r < rows.size(); ++r) {
        for (int c = 0; c < rows.at(r).size(); ++c) {
            const SpecCell &cell = rows.at(r).at(c);
            const int last = std::min<int>(r + cell.rowSpan, int(rows.size())) - 1;
            if (cell.covered || last == r)
                continue;
            double spanned = 0;
            for (int k = r; k <= last; ++k)
                spanned += heights.at(k);
            heights[last] += std::max(0.0, cellHeight(page, cell, cellWidth(cell, c, edges)) - spanned);
        }
    }
    return heights;
}

// The cell's font, made smaller where one word of it (a group's name in its narrow column) is
// wider than the room; a text of several words wraps instead.
QFont fitted(const Page &page, const SpecCell &cell, double room)
{
    QFont font = cell.bold ? page.bold : page.text;
    double widest = 0;
    const QFontMetricsF metrics(font, &page.device);
    for (const QString &word : cell.text.split(QLatin1Char(' '), Qt::SkipEmptyParts))
        widest = std::max(widest, metrics.horizontalAdvance(word));
    if (widest > room && room > 0)
        font.setPointSizeF(std::max(5.0, font.pointSizeF() * room / widest));
    return font;
}

// Draws rows from `top`, each cell boxed, a cell spanning rows over their heights together.
void drawRows(const Page &page, const QList<SpecRow> &rows, const QList<double> &heights, const QList<double> &edges,
              double top)
{
    double y = top;
    for (int r = 0; r < rows.size(); ++r) {
        const SpecRow &row = rows.at(r);
        for (int c = 0; c < row.size(); ++c) {
            const SpecCell &cell = row.at(c);
            if (cell.covered)
                continue;
            double height = 0;
            for (int k = r; k < r + cell.rowSpan && k < heights.size(); ++k)
                height += heights.at(k);
            const QRectF box(edges.at(c), y, cellWidth(cell, c, edges), height);
            page.painter.drawRect(box);
            const double p = padding(page);
            const QRectF room = box.adjusted(p, p, -p, -p);
            page.painter.setFont(fitted(page, cell, room.width()));
            page.painter.drawText(room, flagsOf(cell), cell.text);
        }
        y += heights.at(r);
    }
}

double sum(const QList<double> &values, qsizetype from, qsizetype to)
{
    double total = 0;
    for (qsizetype i = from; i < to; ++i)
        total += values.at(i);
    return total;
}

// A table's lines laid out: the heights of its heading and body rows, and the body rows each
// page starts with.
struct Layout
{
    QList<double> edges;
    QList<double> headingHeights;
    QList<double> bodyHeights;
    QList<int> pageStarts;
    double titleHeight = 0;
};

Layout layOut(const Page &page, const SpecTable &table, double footHeight)
{
    Layout layout;
    layout.edges = edgesOf(table, page);
    layout.headingHeights = rowHeights(page, table.heading, layout.edges);
    layout.bodyHeights = rowHeights(page, table.body, layout.edges);
    layout.titleHeight = 2.4 * QFontMetricsF(page.title, &page.device).height();
    const double headingHeight = sum(layout.headingHeights, 0, layout.headingHeights.size());
    layout.pageStarts = {0};
    double y = layout.titleHeight + headingHeight;
    for (int r = 0; r < layout.bodyHeights.size(); ++r) {
        if (y + layout.bodyHeights.at(r) > page.height - footHeight && r > layout.pageStarts.last()) {
            layout.pageStarts.append(r);
            y = headingHeight;
        }
        y += layout.bodyHeights.at(r);
    }
    return layout;
}

// The line with the project's name and the sheet's title, and the table's title under it.
void drawTitle(const Page &page, const SpecTable &table, const Layout &layout)
{
    const double width = layout.edges.last();
    const double line = layout.titleHeight / 2;
    page.painter.setFont(page.text);
    page.painter.drawText(QRectF(0, 0, width, line), Qt::AlignLeft | Qt::AlignVCenter, table.project);
    page.painter.drawText(QRectF(0, 0, width, line), Qt::AlignRight | Qt::AlignVCenter, table.sheet);
    page.painter.setFont(page.title);
    page.painter.drawText(QRectF(0, line, width, line), Qt::AlignHCenter | Qt::AlignVCenter, table.title);
}

} // namespace

bool needsLandscape(const QList<SpecTable> &tables)
{
    return std::any_of(tables.cbegin(), tables.cend(),
                       [](const SpecTable &table) { return table.widthMm() > PortraitWidthMm; });
}

void setUpPage(QPagedPaintDevice &device, const QList<SpecTable> &tables)
{
    device.setPageLayout(QPageLayout(QPageSize(QPageSize::A4),
                                     needsLandscape(tables) ? QPageLayout::Landscape : QPageLayout::Portrait,
                                     QMarginsF(MarginMm, MarginMm, MarginMm, MarginMm), QPageLayout::Millimeter));
}

int render(const QList<SpecTable> &tables, QPagedPaintDevice &device)
{
    QPainter painter;
    if (!painter.begin(&device))
        return 0;
    QFont text(QStringLiteral("Liberation Sans"));
    text.setPointSizeF(TextPoints);
    QFont bold = text;
    bold.setBold(true);
    QFont title = bold;
    title.setPointSizeF(TitlePoints);
    const double dotsPerMm = device.logicalDpiY() / 25.4;
    const Page page{painter, device, double(device.width()), double(device.height()), dotsPerMm, text, bold, title};
    QPen pen(Qt::black);
    pen.setWidthF(0.2 * dotsPerMm);
    painter.setPen(pen);
    const double footHeight = 1.5 * QFontMetricsF(text, &device).height();

    QList<Layout> layouts;
    int pageCount = 0;
    for (const SpecTable &table : tables) {
        layouts.append(layOut(page, table, footHeight));
        pageCount += int(layouts.last().pageStarts.size());
    }
    int pageNumber = 0;
    for (qsizetype t = 0; t < tables.size(); ++t) {
        const SpecTable &table = tables.at(t);
        const Layout &layout = layouts.at(t);
        for (qsizetype p = 0; p < layout.pageStarts.size(); ++p) {
            if (pageNumber > 0)
                device.newPage();
            double y = 0;
            if (p == 0) {
                drawTitle(page, table, layout);
                y = layout.titleHeight;
            }
            drawRows(page, table.heading, layout.headingHeights, layout.edges, y);
            y += sum(layout.headingHeights, 0, layout.headingHeights.size());
            const int from = layout.pageStarts.at(p);
            const int to = p + 1 < layout.pageStarts.size() ? layout.pageStarts.at(p + 1) : int(table.body.size());
            drawRows(page, table.body.mid(from, to - from), layout.bodyHeights.mid(from, to - from), layout.edges, y);
            ++pageNumber;
            painter.setFont(text);
            painter.drawText(QRectF(0, page.height - footHeight, page.width, footHeight), Qt::AlignRight | Qt::AlignBottom,
                             QStringLiteral("Лист %1 из %2").arg(pageNumber).arg(pageCount));
        }
    }
    painter.end();
    return pageCount;
}

bool writePdf(const QList<SpecTable> &tables, const QString &path, QString *error)
{
    // Drawn in memory and written whole through SafeFile: a file replaced is never left cut.
    QBuffer document;
    document.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&document);
        writer.setResolution(300);
        writer.setTitle(tables.isEmpty() ? QString() : tables.first().title);
        writer.setCreator(QStringLiteral("Morvex Steel Mass Calculator 2.0"));
        setUpPage(writer, tables);
        if (render(tables, writer) == 0) {
            if (error)
                *error = QStringLiteral("не могу нарисовать страницу");
            return false;
        }
    }
    if (const QString why = SafeFile::write(path, document.data()); !why.isEmpty()) {
        if (error)
            *error = why;
        return false;
    }
    return true;
}

} // namespace SpecPrint
