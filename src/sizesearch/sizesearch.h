#pragma once

#include <QString>

class RecordSetModel;

// Finds the rows of a size table that begin with a typed size, one after another: a size typed
// anew goes to the first such row, the same size again to the next one after the current row,
// and from the last back to the first.
class SizeSearch
{
public:
    struct Found
    {
        int row = -1;     // -1: no row matches
        int ordinal = 0;  // 1-based place of the row among the matching rows
        int count = 0;    // how many rows match
        bool wrapped = false; // gone on from the last matching row back to the first
        bool empty = false;   // nothing to look for was typed
    };

    Found find(const RecordSetModel &rows, const QString &typed, int currentRow);

    // What the search dialog says about a search.
    static QString describe(const Found &found, const QString &typed);

private:
    QString m_lastTyped;
    bool m_searched = false;
};
