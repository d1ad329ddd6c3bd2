#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// Read access to the built "base.mdb" for the data checks: the tables as the grid shows them.
namespace BaseTables {

// Column names of a table, in table order; empty when the table is missing.
QStringList columns(const QString &table);

// Every row of a whole table in stored order, each cell as its text (NULL gives "").
QList<QStringList> rows(const QString &table);

// The figure of a cell: the text read as a number with a point as decimal separator;
// ok is false for an empty or non-numeric cell.
double number(const QString &cell, bool *ok = nullptr);

} // namespace BaseTables
