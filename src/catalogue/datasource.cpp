#include "catalogue/datasource.h"

#include "catalogue/partialtables.h"
#include "catalogue/recordsource.h"

#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

namespace {

int nextConnectionNumber()
{
    static int number = 0;
    return ++number;
}

// A row with a cell for every column of the table, cut down to the selected columns.
QStringList projected(const QStringList &row, const QStringList &tableColumns, const QStringList &selected)
{
    if (selected.isEmpty())
        return row;
    QStringList cells;
    cells.reserve(selected.size());
    for (const QString &column : selected)
        cells.append(row.value(tableColumns.indexOf(column)));
    return cells;
}

bool fail(QString *error, const QString &why)
{
    if (error)
        *error = why;
    return false;
}

} // namespace

DataSource::DataSource(const QString &driver, QObject *parent)
    : QObject(parent)
    , m_driver(driver)
    , m_connection(QStringLiteral("datasource-%1").arg(nextConnectionNumber()))
{
}

DataSource::~DataSource()
{
    close();
}

bool DataSource::setDatabaseName(const QString &path)
{
    if (!QSqlDatabase::isDriverAvailable(m_driver))
        return false;
    close();
    m_databaseName = path;
    return true;
}

void DataSource::close()
{
    if (!QSqlDatabase::contains(m_connection))
        return;
    QSqlDatabase::database(m_connection, false).close();
    QSqlDatabase::removeDatabase(m_connection);
}

bool DataSource::open(QString *error)
{
    if (QSqlDatabase::contains(m_connection) && QSqlDatabase::database(m_connection, false).isOpen())
        return true;
    // SQLite would create a missing file even in read-only mode on some builds: never let it.
    if (!QFileInfo(m_databaseName).isFile())
        return fail(error, QStringLiteral("no database file %1").arg(m_databaseName));
    QSqlDatabase db = QSqlDatabase::contains(m_connection)
                          ? QSqlDatabase::database(m_connection, false)
                          : QSqlDatabase::addDatabase(m_driver, m_connection);
    db.setDatabaseName(m_databaseName);
    db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
    if (!db.open())
        return fail(error, db.lastError().text());
    return true;
}

bool DataSource::Refresh(QString *error)
{
    m_records.clear();
    m_partialNote.clear();
    const auto source = RecordSource::parse(m_recordSource);
    if (!source)
        return fail(error, QStringLiteral("record source of an unknown form: %1").arg(m_recordSource));
    if (!open(error))
        return false;
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);

    // The table's real columns: SQLite would take a double-quoted name that is no column for a
    // string literal, and its driver drops quotes from result names, so names are checked and
    // headed from the table itself.
    QSqlQuery info(db);
    if (!info.exec(QStringLiteral("PRAGMA table_info(%1)").arg(quoteSqliteIdentifier(source->table))))
        return fail(error, info.lastError().text());
    QStringList tableColumns;
    while (info.next())
        tableColumns.append(info.value(1).toString());
    if (tableColumns.isEmpty())
        return fail(error, QStringLiteral("no table %1").arg(source->table));
    for (const QString &column : source->columns + source->orderBy)
        if (!tableColumns.contains(column))
            return fail(error, QStringLiteral("no column %1 in %2").arg(column, source->table));

    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!query.exec(source->toSqlite()))
        return fail(error, query.lastError().text());
    const QStringList columns = source->columns.isEmpty() ? tableColumns : source->columns;
    const int count = query.record().count();
    QList<QStringList> rows;
    while (query.next()) {
        QStringList row;
        row.reserve(count);
        for (int i = 0; i < count; ++i)
            row.append(query.value(i).toString());
        rows.append(std::move(row));
    }
    if (query.lastError().isValid())
        return fail(error, query.lastError().text());
    m_partialNote = readPartialNote(source->table);
    const int baseRows = int(rows.size());
    if (m_extraRows)
        for (const QStringList &row : m_extraRows(source->table, tableColumns, baseRows))
            rows.append(projected(row, tableColumns, source->columns));
    m_records.reset(columns, std::move(rows), baseRows);
    return true;
}

QString DataSource::readPartialNote(const QString &table) const
{
    // A base written before the list existed simply has no such table: nothing is marked.
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    const QString sql = QStringLiteral("SELECT %1 FROM %2 WHERE %3 = ?")
                            .arg(quoteSqliteIdentifier(QString::fromUtf8(PartialTables::TextColumn)),
                                 quoteSqliteIdentifier(QString::fromUtf8(PartialTables::Table)),
                                 quoteSqliteIdentifier(QString::fromUtf8(PartialTables::NameColumn)));
    if (!query.prepare(sql))
        return QString();
    query.addBindValue(table);
    if (!query.exec() || !query.next())
        return QString();
    return query.value(0).toString();
}
