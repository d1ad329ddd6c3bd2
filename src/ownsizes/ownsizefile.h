#pragma once

#include "ownsizes/sizerule.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// The user's own sizes of one table as its file holds them, in the format of the base's
// sources: the "# table:" line with the table's name, a header of the table's column names,
// one size a line. The header may leave columns out (their cells are empty) or name them in
// another order; a name the table lacks makes the file another table's, and none of it is read.
struct OwnSizeFile
{
    QStringList note;
    // Every row that could be read and that the rule takes at its place after the base's rows,
    // in file order, each with a cell for every column of the table in table order.
    QList<QStringList> rows;
    // The first line that could not be read (0: the file as a whole) and why, in the program's
    // words; an empty reason when every line was read.
    int badLine = 0;
    QString badReason;

    bool damaged() const { return !badReason.isEmpty(); }

    // Reads a file's text for the table. An empty text (or blanks only) holds no sizes and is
    // sound.
    static OwnSizeFile parse(const QByteArray &text, const QString &table, const QStringList &columns,
                             const SizeRule &rule, int baseRows);

    // The file text of the rows for the table, with its header and the note kept.
    QByteArray text(const QString &table, const QStringList &columns) const;
};
