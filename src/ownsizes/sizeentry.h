#pragma once

#include "ownsizes/sizerule.h"

#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

#include <optional>

class RecordSetModel;
struct RecordSource;

// What the size dialog shows and takes for one row of a table: a field for each column of the
// table, captioned with its name, except the ordering keys the grid does not show ("index"),
// which own rows do not need since they follow the base's rows. The rule checks the row at the
// place it will take in the record set.
class SizeEntry
{
public:
    // start: the row being changed, or an empty one; position: its place in the record set.
    // textColumns: table columns the base fills with words, where a comma is no decimal one.
    SizeEntry(const RecordSource &source, const QStringList &tableColumns, SizeRule rule,
              int position, QStringList start, QSet<int> textColumns);

    // The table columns that have a field, in table order.
    const QList<int> &fields() const { return m_fields; }
    QString caption(int field) const;
    QString startText(int field) const;

    struct Outcome
    {
        std::optional<QStringList> row; // a cell for every column of the table
        QString message;                // why not, when no row
        int field = -1;                 // the field to mend, -1 for none in particular
    };
    // The row made of the typed texts (one for each field, in field order): blanks around a
    // text dropped, a number in a number field written with a point. The typed texts
    // themselves are left to the caller, so a refused entry keeps them as they were.
    Outcome accept(const QStringList &typed) const;

    // A number as typed under either convention ("12,5", "12.5", " 1 200 ") written with a
    // point and without blanks; nothing when the text is no number.
    static std::optional<QString> normalisedNumber(const QString &typed);

    // The columns of the table that the record set's base rows fill with anything but plain
    // numbers (for a table read in part, only the columns it shows can be told).
    static QSet<int> textColumns(const RecordSetModel &records, const RecordSource &source,
                                 const QStringList &tableColumns);

private:
    QStringList m_columns;
    QList<int> m_fields;
    SizeRule m_rule;
    int m_position;
    QStringList m_start;
    QSet<int> m_textColumns;
};
