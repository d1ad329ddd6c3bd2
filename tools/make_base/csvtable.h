#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// One table source of data/tables: its name, its note, its columns and rows as written.
struct CsvTable
{
    QString name;
    QStringList note;
    // The "# partial: <text>" line of the note: which part of its standard a table holds that
    // holds only part of it; empty for a table that is complete.
    QString partial;
    QStringList columns;
    QList<QStringList> rows;
};

// Reads a table source. On a malformed file returns false and puts "file:line: what" into
// error, so the build stops with a message that points at the fault.
bool readCsvTable(const QString &path, CsvTable &table, QString &error);
