#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// What a row of the user's own must hold so that the mass rules of its kind can work on it. The
// rules read cells by their position in the record source; own rows are written with every
// column of the table, so the rule keeps those cells as columns of the table.
class SizeRule
{
public:
    // Why a row cannot be a size, and the table column to mend first (-1: none in particular).
    struct Fault
    {
        QString message;
        int column = -1;
    };

    // A rule that reads no cell: the row needs only one filled cell.
    SizeRule() = default;

    // The rule of the kind that shows the table (the two kinds that share a table read it
    // alike); tableColumns are the table's columns in table order.
    static SizeRule forTable(const QString &table, const QStringList &tableColumns);

    // What is wrong with the row (a cell for every column of the table) at that 0-based
    // position of the record set, in the program's words; nothing when it can stand there.
    std::optional<Fault> check(const QStringList &row, int position) const;

    // The table columns whose cells the rules read for a row at that position.
    QList<int> readColumns(int position) const;

    // A cell the rules read as the positive figure written in it: a plain decimal number (a
    // point as separator, an exponent allowed), nothing else around it but blanks.
    static bool isPositiveNumber(const QString &cell);
    static bool isPlainNumber(const QString &cell);

private:
    enum class Form {
        Free,       // no cell is read (a fixed unit mass, or no kind shows the table)
        Columns,    // every column listed must hold a positive number
        Pipe,       // outer diameter and wall, the diameter the larger
        WovenMesh,  // by position: rhombic or square mass, or the woven mass
        WeldedMesh, // by position: nothing, or both spacings
    };

    std::optional<Fault> positive(const QStringList &row, int column) const;
    QString name(int column) const;

    Form m_form = Form::Free;
    QList<int> m_columns; // -1 where the table lacks the column the rule reads
    QStringList m_names;
    // The mesh tables: the last row of their first rule (the catalogue's mesh rule).
    int m_meshLastRow = -1;
};
