#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// The installed-programs list file "morvex.dat": one record a line, each of two fields, the
// executable file name of a program and its directory, written as
//
//     "<file name>","<directory>"<CR><LF>
//
// with nothing inside a field escaped. The fields are kept as the file's bytes, so that another
// program's record is written back byte for byte whatever its code page; this program encodes its
// own texts in the system's 8-bit code page (the ANSI code page on Windows, UTF-8 elsewhere).
namespace ProgramListFile {

struct Record
{
    QByteArray program;
    QByteArray directory;

    friend bool operator==(const Record &, const Record &) = default;
};

// Reads the fields one after another: blanks before a field are skipped, and so are empty lines
// where a field would begin a line; a quoted field is taken without its quotes up to the next
// quote (commas and line ends inside belong to it) and anything after its closing quote up to the
// next comma or line end is passed over; an unquoted field runs to the next comma or line end,
// without its trailing blanks. A comma or a line end (CR LF, LF or CR) closes a field. A record is
// complete when both of its fields have been read; reading ends at the end of the text (a field
// to be read where only blanks or nothing remain, after a comma too) or at a quote that is never
// closed, and a record broken off there is not returned.
QList<Record> parse(const QByteArray &text);

// The records in the file's format, each line ended by CR LF.
QByteArray format(const QList<Record> &records);

// This program's texts in the file's code page, and back.
QByteArray encode(const QString &text);
QString decode(const QByteArray &bytes);

} // namespace ProgramListFile
