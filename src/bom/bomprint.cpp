#include "bom/bomprint.h"

#include "bom/bomtable.h"

#include "platform/safefile.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

namespace BomPrint {

namespace {

using BomTable::Row;
using BomTable::RowKind;

// Shares of the page width, in column order.
constexpr double ColumnShares[BomTable::ColumnCount] = {0.05, 0.25, 0.14, 0.16, 0.10, 0.07, 0.11, 0.12};
constexpr double TextPoints = 8.5;
constexpr double TitlePoints = 13;

struct Page
{
    QPainter &painter;
    double width;
    double height;
    double padding;
    QFont text;
    QFont bold;
};

struct Cell
{
    QRectF rect;
    QString text;
    int flags;
};

QList<double> columnEdges(double width)
{
    QList<double> edges{0};
    for (double share : ColumnShares)
        edges.append(edges.last() + share * width);
    return edges;
}

bool isNumeric(int column)
{
    return column == BomTable::Length || column == BomTable::Quantity || column == BomTable::OnePiece
           || column == BomTable::Mass || column == BomTable::Number;
}

// Columns from..to as one cell, placed at height 0.
QRectF span(const QList<double> &edges, int from, int to)
{
    return QRectF(edges.at(from), 0, edges.at(to + 1) - edges.at(from), 0);
}

QList<Cell> headingCells(const QStringList &headings, const QList<double> &edges)
{
    QList<Cell> cells;
    for (int c = 0; c < BomTable::ColumnCount; ++c)
        cells.append({span(edges, c, c), headings.at(c), int(Qt::AlignCenter) | Qt::TextWordWrap});
    return cells;
}

// The cells of one line of the table.
QList<Cell> cellsOf(const BillOfMaterials &list, const Row &row, const QList<double> &edges)
{
    const auto span = [&edges](int from, int to) { return BomPrint::span(edges, from, to); };
    QList<Cell> cells;
    switch (row.kind) {
    case RowKind::Item:
        for (int c = 0; c < BomTable::ColumnCount; ++c)
            cells.append({span(c, c), BomTable::cell(list, row, c),
                          int((isNumeric(c) ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter) | Qt::TextWordWrap});
        break;
    case RowKind::GroupHeading:
        cells.append({span(0, BomTable::Mass), BomTable::cell(list, row, BomTable::Number),
                      int(Qt::AlignLeft | Qt::AlignVCenter)});
        break;
    case RowKind::Subtotal:
    case RowKind::TotalKg:
    case RowKind::TotalTonnes:
        cells.append({span(0, BomTable::OnePiece), BomTable::cell(list, row, BomTable::Name),
                      int(Qt::AlignRight | Qt::AlignVCenter)});
        cells.append({span(BomTable::Mass, BomTable::Mass), BomTable::cell(list, row, BomTable::Mass),
                      int(Qt::AlignRight | Qt::AlignVCenter)});
        break;
    }
    return cells;
}

double heightOf(const Page &page, const QList<Cell> &cells, const QFont &font)
{
    const QFontMetricsF metrics(font, page.painter.device());
    double height = metrics.height();
    for (const Cell &cell : cells) {
        const QRectF room(0, 0, cell.rect.width() - 2 * page.padding, 1e9);
        height = qMax(height, metrics.boundingRect(room, cell.flags, cell.text).height());
    }
    return height + 2 * page.padding;
}

void drawLine(const Page &page, const QList<Cell> &cells, double top, double height, const QFont &font)
{
    page.painter.setFont(font);
    for (const Cell &cell : cells) {
        const QRectF box(cell.rect.left(), top, cell.rect.width(), height);
        page.painter.drawRect(box);
        page.painter.drawText(box.adjusted(page.padding, page.padding, -page.padding, -page.padding),
                              cell.flags, cell.text);
    }
}

struct Line
{
    QList<Cell> cells;
    bool bold;
    double height;
};

// The first line of each page: the first page under the title (its lines from firstTop), each
// other under the column headings; a line goes on while it ends above bottom.
QList<int> pageStarts(const QList<Line> &lines, double firstTop, double headingHeight, double bottom)
{
    QList<int> firstLine{0};
    double y = firstTop;
    for (int i = 0; i < lines.size(); ++i) {
        if (y + lines.at(i).height > bottom && i > firstLine.last()) {
            firstLine.append(i);
            y = headingHeight;
        }
        y += lines.at(i).height;
    }
    return firstLine;
}

} // namespace

void setUpPage(QPagedPaintDevice &device)
{
    device.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter));
}

int render(const BillOfMaterials &list, QPagedPaintDevice &device)
{
    QPainter painter;
    if (!painter.begin(&device))
        return 0;
    const double dotsPerMm = device.logicalDpiY() / 25.4;
    QFont text(QStringLiteral("Liberation Sans"));
    text.setPointSizeF(TextPoints);
    QFont bold = text;
    bold.setBold(true);
    QFont title = bold;
    title.setPointSizeF(TitlePoints);
    Page page{painter, double(device.width()), double(device.height()), 1.2 * dotsPerMm, text, bold};
    QPen pen(Qt::black);
    pen.setWidthF(0.2 * dotsPerMm);
    painter.setPen(pen);

    const QList<double> edges = columnEdges(page.width);
    const QList<Cell> headings = headingCells(BomTable::headings(list.items()), edges);
    const double headingHeight = heightOf(page, headings, bold);
    const double titleHeight = QFontMetricsF(title, &device).height() * 1.6;
    const double footHeight = QFontMetricsF(text, &device).height() * 1.5;

    QList<Line> lines;
    for (const Row &row : BomTable::rows(list)) {
        const bool isBold = row.kind != RowKind::Item;
        QList<Cell> cells = cellsOf(list, row, edges);
        lines.append({cells, isBold, heightOf(page, cells, isBold ? bold : text)});
    }

    const QList<int> firstLine = pageStarts(lines, titleHeight + headingHeight, headingHeight,
                                            page.height - footHeight);
    const int pageCount = int(firstLine.size());
    for (int p = 0; p < pageCount; ++p) {
        if (p > 0)
            device.newPage();
        double y = 0;
        if (p == 0) {
            painter.setFont(title);
            painter.drawText(QRectF(0, 0, page.width, titleHeight), Qt::AlignLeft | Qt::AlignTop,
                             QStringLiteral("Спецификация"));
            y = titleHeight;
        }
        drawLine(page, headings, y, headingHeight, bold);
        y += headingHeight;
        const int end = p + 1 < pageCount ? firstLine.at(p + 1) : int(lines.size());
        for (int i = firstLine.at(p); i < end; ++i) {
            drawLine(page, lines.at(i).cells, y, lines.at(i).height, lines.at(i).bold ? bold : text);
            y += lines.at(i).height;
        }
        painter.setFont(text);
        painter.drawText(QRectF(0, page.height - footHeight, page.width, footHeight),
                         Qt::AlignRight | Qt::AlignBottom,
                         QStringLiteral("Лист %1 из %2").arg(p + 1).arg(pageCount));
    }
    painter.end();
    return pageCount;
}

bool writePdf(const BillOfMaterials &list, const QString &path, QString *error)
{
    // Drawn in memory and written whole through SafeFile: a file replaced is never left cut.
    QBuffer document;
    document.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&document);
        writer.setResolution(300);
        writer.setTitle(QStringLiteral("Спецификация"));
        writer.setCreator(QStringLiteral("Morvex Steel Mass Calculator 2.0"));
        setUpPage(writer);
        if (render(list, writer) == 0) {
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

} // namespace BomPrint
