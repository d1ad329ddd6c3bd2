#include "bom/bomxlsx.h"

#include <QFile>

#include <map>
#include <utility>
#include <clocale>
#include <string>

#include <xlsxwriter.h>

namespace BomXlsx {

namespace {

using BomSheet::Cell;
using BomSheet::Style;

constexpr int PaperA4 = 9;

// The workbook's formats, made as the cells first ask for them: one per style and, for the
// form's figures, per number of decimals.
class Formats
{
public:
    explicit Formats(lxw_workbook *book)
        : m_book(book)
    {
    }

    lxw_format *of(const Cell &cell)
    {
        const bool formFigure = cell.style == Style::FormFigure || cell.style == Style::FormTotalFigure;
        const std::pair key{int(cell.style), formFigure ? cell.decimals : 0};
        if (const auto found = m_made.find(key); found != m_made.end())
            return found->second;
        lxw_format *format = make(cell.style);
        if (formFigure)
            format_set_num_format(format, numberFormat(cell.decimals).constData());
        return m_made[key] = format;
    }

private:
    static QByteArray numberFormat(int decimals)
    {
        return decimals > 0 ? "0." + QByteArray(decimals, '0') : QByteArray("0");
    }

    lxw_format *bordered(bool bold)
    {
        lxw_format *f = workbook_add_format(m_book);
        format_set_border(f, LXW_BORDER_THIN);
        format_set_align(f, LXW_ALIGN_VERTICAL_CENTER);
        if (bold)
            format_set_bold(f);
        return f;
    }

    lxw_format *make(Style style)
    {
        lxw_format *f = nullptr;
        switch (style) {
        case Style::Title:
            f = workbook_add_format(m_book);
            format_set_bold(f);
            format_set_font_size(f, 12);
            return f;
        case Style::FormCaption: return workbook_add_format(m_book);
        case Style::Heading:
        case Style::FormHeading:
            f = bordered(style == Style::Heading);
            format_set_text_wrap(f);
            format_set_align(f, LXW_ALIGN_CENTER);
            return f;
        case Style::Group: return bordered(true);
        case Style::Text:
        case Style::FormText:
        case Style::FormTotalText:
            f = bordered(style == Style::FormTotalText);
            format_set_text_wrap(f);
            return f;
        case Style::Figure:
        case Style::FormFigure: return bordered(false);
        case Style::FormTotalFigure: return bordered(true);
        case Style::Mass:
        case Style::TotalMass:
            f = bordered(style == Style::TotalMass);
            format_set_num_format(f, "0.000");
            return f;
        case Style::TotalText:
            f = bordered(true);
            format_set_align(f, LXW_ALIGN_RIGHT);
            return f;
        }
        return workbook_add_format(m_book);
    }

    lxw_workbook *m_book;
    std::map<std::pair<int, int>, lxw_format *> m_made;
};

// The library refuses a cell it cannot hold (a text too long) and writes the rest: every
// refusal is kept, so the workbook is not reported written without it.
lxw_error writeCell(lxw_worksheet *sheet, const Cell &cell, lxw_format *format)
{
    const QByteArray text = cell.text.toUtf8();
    if (cell.merged())
        return worksheet_merge_range(sheet, cell.row, cell.column, std::max(cell.row, cell.lastRow),
                                     std::max(cell.column, cell.lastColumn), text.constData(), format);
    switch (cell.type) {
    case Cell::Type::Text: return worksheet_write_string(sheet, cell.row, cell.column, text.constData(), format);
    case Cell::Type::Number: return worksheet_write_number(sheet, cell.row, cell.column, cell.number, format);
    case Cell::Type::Blank: return worksheet_write_blank(sheet, cell.row, cell.column, format);
    case Cell::Type::Formula:
        return worksheet_write_formula_num(sheet, cell.row, cell.column, text.constData(), format, cell.number);
    }
    return LXW_NO_ERROR;
}

// The library's reasons, which are English and name its own workings, in the program's words.
QString reasonOf(lxw_error error)
{
    switch (error) {
    case LXW_NO_ERROR: return QString();
    case LXW_ERROR_MEMORY_MALLOC_FAILED: return QStringLiteral("не хватило памяти");
    case LXW_ERROR_CREATING_XLSX_FILE: return QStringLiteral("не могу создать файл книги");
    case LXW_ERROR_CREATING_TMPFILE:
    case LXW_ERROR_READING_TMPFILE: return QStringLiteral("не могу записать временный файл книги");
    case LXW_ERROR_ZIP_FILE_OPERATION:
    case LXW_ERROR_ZIP_FILE_ADD:
    case LXW_ERROR_ZIP_CLOSE: return QStringLiteral("ошибка записи файла книги (нет места на диске?)");
    case LXW_ERROR_MAX_STRING_LENGTH_EXCEEDED:
        return QStringLiteral("в ячейке больше 32767 знаков, столько Excel не вмещает");
    default: break;
    }
    return QStringLiteral("книга не записана (ошибка %1 библиотеки libxlsxwriter)").arg(int(error));
}

void fail(QString *error, lxw_error reason)
{
    if (error)
        *error = reasonOf(reason);
}

// libxlsxwriter writes numbers, column widths and margins into the workbook's XML with the C
// library's printf, so under a locale with a decimal comma ("ru_RU.UTF-8", which the
// application sets from the desktop's) every figure would be written "134,4" and the file
// refused. The numeric locale is the C one while the workbook is written, then the user's again.
class CNumericLocale
{
public:
    CNumericLocale()
    {
        if (const char *current = std::setlocale(LC_NUMERIC, nullptr))
            m_saved = current;
        std::setlocale(LC_NUMERIC, "C");
    }
    ~CNumericLocale() { std::setlocale(LC_NUMERIC, m_saved.c_str()); }
    CNumericLocale(const CNumericLocale &) = delete;
    CNumericLocale &operator=(const CNumericLocale &) = delete;

private:
    std::string m_saved = "C";
};

// One sheet: its columns, its page (A4, one page wide, the heading on every page), its cells.
// The first cell the library refuses is the sheet's answer; the others are written all the same.
lxw_error writeSheet(lxw_workbook *book, const BomSheet::Sheet &sheet, Formats &formats)
{
    lxw_worksheet *worksheet = workbook_add_worksheet(book, sheet.name.toUtf8().constData());
    if (!worksheet)
        return LXW_ERROR_MEMORY_MALLOC_FAILED;
    for (int c = 0; c < sheet.columnWidths.size(); ++c)
        worksheet_set_column(worksheet, c, c, sheet.columnWidths.at(c), nullptr);
    worksheet_set_paper(worksheet, PaperA4);
    if (sheet.landscape)
        worksheet_set_landscape(worksheet);
    worksheet_fit_to_pages(worksheet, 1, 0);
    worksheet_repeat_rows(worksheet, sheet.headingRow, sheet.repeatedLastRow());
    lxw_error refused = LXW_NO_ERROR;
    for (const Cell &cell : sheet.cells)
        if (const lxw_error result = writeCell(worksheet, cell, formats.of(cell)); refused == LXW_NO_ERROR)
            refused = result;
    return refused;
}

} // namespace

bool write(const QList<BomSheet::Sheet> &sheets, const QString &path, QString *error)
{
    const CNumericLocale numbersInFile;
    lxw_workbook *book = workbook_new(QFile::encodeName(path).constData());
    if (!book) {
        fail(error, LXW_ERROR_CREATING_XLSX_FILE);
        return false;
    }
    Formats formats(book);
    lxw_error refused = LXW_NO_ERROR;
    for (const BomSheet::Sheet &sheet : sheets) {
        if (const lxw_error result = writeSheet(book, sheet, formats); refused == LXW_NO_ERROR)
            refused = result;
    }
    const lxw_error closed = workbook_close(book);
    if (refused != LXW_NO_ERROR || closed != LXW_NO_ERROR) {
        fail(error, refused != LXW_NO_ERROR ? refused : closed);
        return false;
    }
    return true;
}

} // namespace BomXlsx
