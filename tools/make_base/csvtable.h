#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// One table source of data/tables: its name, its note, its columns and rows as written.
struct CsvTable
{
    QString name;
    QStringList note;
    QStringList columns;
    QList<QStringList> rows;
};

// Reads a table source. On a malformed file returns false and puts "file:line: what" into
// error, so the build stops with a message that points at the fault.
bool readCsvTable(const QString &path, CsvTable &table, QString &error);
