#include "bom/bomxlsx.h"

#include "bom/bomdesignation.h"
#include "bom/bomtable.h"

#include <QFile>

#include <xlsxwriter.h>

namespace BomXlsx {

namespace {

using BomTable::Row;
using BomTable::RowKind;

constexpr int TitleRow = 0;
constexpr int HeadingRow = 1;
constexpr int PaperA4 = 9;

struct Formats
{
    lxw_format *title;
    lxw_format *heading;
    lxw_format *group;
    lxw_format *text;
    lxw_format *figure;
    lxw_format *mass;
    lxw_format *totalText;
    lxw_format *totalMass;
};

Formats makeFormats(lxw_workbook *book)
{
    const auto bordered = [book](bool bold) {
        lxw_format *f = workbook_add_format(book);
        format_set_border(f, LXW_BORDER_THIN);
        format_set_align(f, LXW_ALIGN_VERTICAL_CENTER);
        if (bold)
            format_set_bold(f);
        return f;
    };
    Formats f{};
    f.title = workbook_add_format(book);
    format_set_bold(f.title);
    format_set_font_size(f.title, 12);
    f.heading = bordered(true);
    format_set_text_wrap(f.heading);
    format_set_align(f.heading, LXW_ALIGN_CENTER);
    f.group = bordered(true);
    f.text = bordered(false);
    format_set_text_wrap(f.text);
    f.figure = bordered(false);
    f.mass = bordered(false);
    format_set_num_format(f.mass, "0.000");
    f.totalText = bordered(true);
    format_set_align(f.totalText, LXW_ALIGN_RIGHT);
    f.totalMass = bordered(true);
    format_set_num_format(f.totalMass, "0.000");
    return f;
}

QByteArray utf8(const QString &text)
{
    return text.toUtf8();
}

// "H5" for a 0-based row and column.
QByteArray cellName(int row, int column)
{
    return QByteArray(1, char('A' + column)) + QByteArray::number(row + 1);
}

void writeItem(lxw_worksheet *sheet, int r, const BillOfMaterials &list, int position, const Formats &f)
{
    const BomItem &item = list.items().at(position);
    worksheet_write_number(sheet, r, BomTable::Number, position + 1, f.figure);
    worksheet_write_string(sheet, r, BomTable::Name, utf8(item.name).constData(), f.text);
    worksheet_write_string(sheet, r, BomTable::Standard, utf8(item.standard).constData(), f.text);
    worksheet_write_string(sheet, r, BomTable::Size, utf8(BomDesignation::designation(item)).constData(), f.text);
    if (item.hasLength())
        worksheet_write_number(sheet, r, BomTable::Length, item.lengthValue(), f.figure);
    else
        worksheet_write_blank(sheet, r, BomTable::Length, f.figure);
    if (item.hasQuantity())
        worksheet_write_number(sheet, r, BomTable::Quantity, item.inputs.pieces, f.figure);
    else
        worksheet_write_blank(sheet, r, BomTable::Quantity, f.figure);
    worksheet_write_number(sheet, r, BomTable::OnePiece, item.onePiece, f.mass);
    worksheet_write_number(sheet, r, BomTable::Mass, item.total, f.mass);
}

void writeTotal(lxw_worksheet *sheet, int r, const QString &label, const QByteArray &formula, double value,
                const Formats &f)
{
    worksheet_merge_range(sheet, r, BomTable::Number, r, BomTable::OnePiece, utf8(label).constData(), f.totalText);
    worksheet_write_formula_num(sheet, r, BomTable::Mass, formula.constData(), f.totalMass, value);
}

} // namespace

bool write(const BillOfMaterials &list, const QString &path, QString *error)
{
    lxw_workbook *book = workbook_new(QFile::encodeName(path).constData());
    if (!book) {
        if (error)
            *error = QStringLiteral("не могу создать файл");
        return false;
    }
    lxw_worksheet *sheet = workbook_add_worksheet(book, "Спецификация");
    const Formats f = makeFormats(book);
    const double widths[BomTable::ColumnCount] = {5, 34, 17, 20, 12, 8, 14, 14};
    for (int c = 0; c < BomTable::ColumnCount; ++c)
        worksheet_set_column(sheet, c, c, widths[c], nullptr);
    worksheet_set_paper(sheet, PaperA4);
    worksheet_fit_to_pages(sheet, 1, 0);
    worksheet_repeat_rows(sheet, HeadingRow, HeadingRow);

    worksheet_write_string(sheet, TitleRow, 0, "Спецификация", f.title);
    const QStringList headings = BomTable::headings(list.items());
    for (int c = 0; c < headings.size(); ++c)
        worksheet_write_string(sheet, HeadingRow, c, utf8(headings.at(c)).constData(), f.heading);

    int r = HeadingRow + 1;
    int groupFirst = r;
    QByteArray subtotals;
    int kgRow = -1;
    for (const BomTable::Row &row : BomTable::rows(list)) {
        switch (row.kind) {
        case RowKind::GroupHeading:
            worksheet_merge_range(sheet, r, BomTable::Number, r, BomTable::Mass,
                                  utf8(BomTable::cell(list, row, BomTable::Number)).constData(), f.group);
            groupFirst = r + 1;
            break;
        case RowKind::Item:
            writeItem(sheet, r, list, row.item, f);
            break;
        case RowKind::Subtotal:
            writeTotal(sheet, r, BomTable::cell(list, row, BomTable::Name),
                       "=SUM(" + cellName(groupFirst, BomTable::Mass) + ':' + cellName(r - 1, BomTable::Mass) + ')',
                       list.groups().at(row.group).totalKg, f);
            subtotals += (subtotals.isEmpty() ? "=" : "+") + cellName(r, BomTable::Mass);
            break;
        case RowKind::TotalKg:
            writeTotal(sheet, r, BomTable::cell(list, row, BomTable::Name), subtotals, list.totalKg(), f);
            kgRow = r;
            break;
        case RowKind::TotalTonnes:
            writeTotal(sheet, r, BomTable::cell(list, row, BomTable::Name),
                       '=' + cellName(kgRow, BomTable::Mass) + "/1000", list.totalKg() / 1000, f);
            break;
        }
        ++r;
    }
    const lxw_error result = workbook_close(book);
    if (result != LXW_NO_ERROR) {
        if (error)
            *error = QString::fromUtf8(lxw_strerror(result));
        return false;
    }
    return true;
}

} // namespace BomXlsx
