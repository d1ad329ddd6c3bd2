#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

// The installed-programs list file "morvex.dat": one record a line, each of two fields, the
// executable file name of a program and its directory, written as
//
//     "<file name>","<directory>"<CR><LF>
//
// with nothing inside a field escaped. The list is read line by line, and a line is kept as the
// file's bytes, so that whatever another program wrote, a record in another code page or a line
// that is no record at all, is written back byte for byte in its place; this program encodes its
// own texts in the system's 8-bit code page (the ANSI code page on Windows, UTF-8 elsewhere).
namespace ProgramListFile {

struct Record
{
    QByteArray program;
    QByteArray directory;

    friend bool operator==(const Record &, const Record &) = default;
};

// One line of the file: its bytes, its line end included (a last line may have none), and
// its record when the line holds one.
struct Line
{
    QByteArray bytes;
    std::optional<Record> record;

    friend bool operator==(const Line &, const Line &) = default;
};

// Splits the text into lines at CR LF, LF or a lone CR, and reads each line as a record of
// exactly two fields, separated by a comma: blanks before a field are skipped; a quoted field is
// taken without its quotes up to the next quote on the line (commas inside belong to it), and
// anything after its closing quote up to the next comma or the line end is passed over; an
// unquoted field runs to the next comma or the line end, without its trailing blanks. A line
// with one field or three, a quote that the line never closes, or a second field cut off by the
// end of the text (nothing but blanks after the comma of a last line without a line end) holds
// no record. The lines' bytes, joined, are the text.
QList<Line> parseLines(const QByteArray &text);

// The records of the text's lines, in their order.
QList<Record> parse(const QByteArray &text);

// The records in the file's format, each line ended by CR LF.
QByteArray format(const QList<Record> &records);

// The text with own as the last record: every line that is not a record of own's program
// stays byte for byte in its order, the records of own's program are dropped, and own is
// written last (after a CR LF that ends the last line when it has no line end of its own).
QByteArray withRecordLast(const QByteArray &text, const Record &own);

// This program's texts in the file's code page, and back.
QByteArray encode(const QString &text);
QString decode(const QByteArray &bytes);

} // namespace ProgramListFile
