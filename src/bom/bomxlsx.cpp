#include "bom/bomxlsx.h"

#include <QFile>

#include <array>
#include <clocale>
#include <string>

#include <xlsxwriter.h>

namespace BomXlsx {

namespace {

using BomSheet::Cell;
using BomSheet::Style;

constexpr int PaperA4 = 9;
constexpr int StyleCount = int(Style::TotalMass) + 1;

using Formats = std::array<lxw_format *, StyleCount>;

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
    lxw_format *title = f[int(Style::Title)] = workbook_add_format(book);
    format_set_bold(title);
    format_set_font_size(title, 12);
    lxw_format *heading = f[int(Style::Heading)] = bordered(true);
    format_set_text_wrap(heading);
    format_set_align(heading, LXW_ALIGN_CENTER);
    f[int(Style::Group)] = bordered(true);
    format_set_text_wrap(f[int(Style::Text)] = bordered(false));
    f[int(Style::Figure)] = bordered(false);
    format_set_num_format(f[int(Style::Mass)] = bordered(false), "0.000");
    format_set_align(f[int(Style::TotalText)] = bordered(true), LXW_ALIGN_RIGHT);
    format_set_num_format(f[int(Style::TotalMass)] = bordered(true), "0.000");
    return f;
}

// The library refuses a cell it cannot hold (a text too long) and writes the rest: every
// refusal is kept, so the workbook is not reported written without it.
lxw_error writeCell(lxw_worksheet *sheet, const Cell &cell, lxw_format *format)
{
    const QByteArray text = cell.text.toUtf8();
    if (cell.merged())
        return worksheet_merge_range(sheet, cell.row, cell.column, cell.row, cell.lastColumn, text.constData(), format);
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

} // namespace

bool write(const BomSheet::Sheet &sheet, const QString &path, QString *error)
{
    const CNumericLocale numbersInFile;
    lxw_workbook *book = workbook_new(QFile::encodeName(path).constData());
    if (!book) {
        fail(error, LXW_ERROR_CREATING_XLSX_FILE);
        return false;
    }
    lxw_worksheet *worksheet = workbook_add_worksheet(book, sheet.name.toUtf8().constData());
    const Formats formats = makeFormats(book);
    for (int c = 0; c < sheet.columnWidths.size(); ++c)
        worksheet_set_column(worksheet, c, c, sheet.columnWidths.at(c), nullptr);
    worksheet_set_paper(worksheet, PaperA4);
    worksheet_fit_to_pages(worksheet, 1, 0);
    worksheet_repeat_rows(worksheet, sheet.headingRow, sheet.headingRow);
    lxw_error refused = LXW_NO_ERROR;
    for (const Cell &cell : sheet.cells)
        if (const lxw_error result = writeCell(worksheet, cell, formats[int(cell.style)]); refused == LXW_NO_ERROR)
            refused = result;
    const lxw_error closed = workbook_close(book);
    if (refused != LXW_NO_ERROR || closed != LXW_NO_ERROR) {
        fail(error, refused != LXW_NO_ERROR ? refused : closed);
        return false;
    }
    return true;
}

} // namespace BomXlsx
