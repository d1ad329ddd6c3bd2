#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// A record source as the catalogue writes it, in the only forms the program uses:
//   a bare table name (the whole table in stored order), or
//   select <[col], [col], ... | *> from [table] [order by <col>[, <col>]]
// where a column is written in square brackets or as a bare word. Keywords are case-blind;
// names are kept exactly as written.
struct RecordSource
{
    QString table;
    QStringList columns; // empty: every column, in table order
    QStringList orderBy; // empty: stored order

    // Reads the text; nullopt when it is none of the forms above.
    static std::optional<RecordSource> parse(const QString &text);

    // The same request for SQLite, with every identifier quoted, so names that are SQLite
    // keywords ("index") or hold blanks, commas and quotes are taken literally. Rows without an
    // ordering come in stored order.
    QString toSqlite() const;
};

QString quoteSqliteIdentifier(const QString &name);
