#pragma once

#include "catalogue/recordsetmodel.h"

#include <QObject>
#include <QString>

#include <functional>

// The data source of the size grid: a database file, a record source (a table name or a
// catalogue SQL text), and the record set that Refresh reads. The file is only ever read:
// it is opened read-only and never created.
class DataSource : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(DataSource)

public:
    explicit DataSource(const QString &driver = QStringLiteral("QSQLITE"), QObject *parent = nullptr);
    ~DataSource() override;

    // Points the source at a database file; reads nothing yet. Fails only when the database
    // driver cannot be had.
    bool setDatabaseName(const QString &path);
    QString DatabaseName() const { return m_databaseName; }

    void setRecordSource(const QString &text) { m_recordSource = text; }
    QString RecordSource() const { return m_recordSource; }

    // Opens the file if needed and reads the whole record set into the model. On a failure
    // (no file, not a database, no such table or column, a record source of another form) the
    // record set is emptied, error says why, and false is returned.
    bool Refresh(QString *error = nullptr);

    // What part of its standard the record source's table holds, as the base's list of partial
    // tables says, read by Refresh; empty for a complete table, after a failed Refresh and with
    // a base that has no such list.
    QString PartialNote() const { return m_partialNote; }

    // Rows that follow the base's rows of a table, such as the user's own sizes: given the
    // table, its columns in table order and how many rows the base gave, the rows to add, each
    // with a cell for every column of the table. Refresh projects them onto the record source's
    // columns and puts them after the base's rows, whatever the ordering.
    using ExtraRows =
        std::function<QList<QStringList>(const QString &table, const QStringList &columns, int baseRows)>;
    void setExtraRows(ExtraRows supply) { m_extraRows = std::move(supply); }
    const ExtraRows &extraRows() const { return m_extraRows; }

    RecordSetModel *records() { return &m_records; }
    const RecordSetModel *records() const { return &m_records; }

private:
    bool open(QString *error);
    void close();
    QString readPartialNote(const QString &table) const;

    QString m_driver;
    QString m_connection;
    QString m_databaseName;
    QString m_recordSource;
    ExtraRows m_extraRows;
    RecordSetModel m_records;
    QString m_partialNote;
};
