#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// One table file in the format of data/tables (README there): the build's sources of the
// reference base and the user's files of own sizes share it. Its name, its note, its columns
// and its rows as written, with the 1-based lines of the header and of every row.
struct CsvTable
{
    QString name;
    QStringList note;
    // The "# partial: <text>" line of the note: which part of its standard a table holds that
    // holds only part of it; empty for a table that is complete.
    QString partial;
    QStringList columns;
    QList<QStringList> rows;
    int headerLine = 0;
    QList<int> rowLines;
};

// Something in a table file that could not be read, on its 1-based line.
struct CsvProblem
{
    enum class Kind {
        EmptyLine,
        UnbalancedQuote,
        FieldCount,      // fields and columns say how many
        EmptyColumnName,
        RepeatedColumn,  // column names it
        HeaderBeforeName,
        NoName,
        NoHeader,
        SecondPartial,
        EmptyPartial,
    };

    int line = 0;
    Kind kind = Kind::EmptyLine;
    bool inHeader = false; // the header itself is unreadable, so no row is
    int fields = 0;
    int columns = 0;
    QString column;

    // In the build's words, for its messages.
    QString describe() const;
};

// A table file read as far as it goes: rows that cannot be read are left out and their
// problems noted in line order; a file whose name line or header is missing or unreadable
// yields no rows. A UTF-8 byte order mark (spreadsheets write one) is skipped.
struct CsvReading
{
    CsvTable table;
    QList<CsvProblem> problems;
};
CsvReading parseCsvTable(const QByteArray &text);

// Reads a table source for the build, strictly: on the first fault returns false and puts
// "file:line: what" into error, so the build stops with a message that points at it.
bool readCsvTable(const QString &path, CsvTable &table, QString &error);

// The file text of a table, which parseCsvTable reads back unchanged: the "# table:" line, the
// "# partial:" line if any, the note, the header and the rows, LF line ends. A field is quoted where it holds a comma or a
// quote or starts with '#', and so is the empty field of a one-column row (an empty line would
// be no row); a line break inside a field, which the format cannot hold, is written as a blank.
QByteArray writeCsvTable(const CsvTable &table);
