// make_base: writes the reference database from the table sources of data/tables.
//
//   make_base <output database> <table.csv>...
//
// The database is written to a temporary file beside the output and renamed into place only
// when every table went in, so a failed run never leaves a half-written base behind.

#include "catalogue/csvtable.h"

#include "catalogue/partialtables.h"

#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTextStream>

namespace {

QString quoteIdentifier(const QString &name)
{
    QString quoted = name;
    quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

// Plain integers are stored as INTEGER so that ordering columns sort numerically; every other
// figure is stored as text, character for character, so the grid shows it as the standard
// prints it.
QVariant cellValue(const QString &text)
{
    static const QRegularExpression integer(QStringLiteral("^(0|-?[1-9][0-9]{0,17})$"));
    if (text.isEmpty())
        return QVariant();
    if (integer.match(text).hasMatch())
        return text.toLongLong();
    return text;
}

bool writeTable(QSqlDatabase &db, const CsvTable &table, QString &error)
{
    QStringList columnDefs;
    for (const QString &column : table.columns)
        columnDefs.append(quoteIdentifier(column));
    QSqlQuery query(db);
    const QString create = QStringLiteral("CREATE TABLE %1 (%2)")
                               .arg(quoteIdentifier(table.name), columnDefs.join(QStringLiteral(", ")));
    if (!query.exec(create)) {
        error = query.lastError().text();
        return false;
    }
    QStringList marks;
    for (int i = 0; i < table.columns.size(); ++i)
        marks.append(QStringLiteral("?"));
    if (!query.prepare(QStringLiteral("INSERT INTO %1 VALUES (%2)")
                           .arg(quoteIdentifier(table.name), marks.join(QStringLiteral(", "))))) {
        error = query.lastError().text();
        return false;
    }
    for (const QStringList &row : table.rows) {
        for (int i = 0; i < row.size(); ++i)
            query.bindValue(i, cellValue(row.at(i)));
        if (!query.exec()) {
            error = query.lastError().text();
            return false;
        }
    }
    return true;
}

// The list of the tables that hold only part of their standard, always written, empty when
// every table is complete.
bool writePartialTables(QSqlDatabase &db, const QList<CsvTable> &tables, QString &error)
{
    CsvTable list;
    list.name = QString::fromUtf8(PartialTables::Table);
    list.columns = {QString::fromUtf8(PartialTables::NameColumn), QString::fromUtf8(PartialTables::TextColumn)};
    for (const CsvTable &table : tables)
        if (!table.partial.isEmpty())
            list.rows.append({table.name, table.partial});
    return writeTable(db, list, error);
}

int fail(const QString &message)
{
    QTextStream(stderr) << "make_base: " << message << '\n';
    return 1;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.isEmpty())
        return fail(QStringLiteral("usage: make_base <output database> <table.csv>..."));

    const QString output = args.first();
    const QString temporary = output + QStringLiteral(".part");
    QFile::remove(temporary);

    int status = 0;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("out"));
        db.setDatabaseName(temporary);
        if (!db.open())
            return fail(db.lastError().text());
        db.transaction();
        QSet<QString> names{QString::fromUtf8(PartialTables::Table)};
        QList<CsvTable> written;
        for (const QString &path : args.mid(1)) {
            CsvTable table;
            QString error;
            if (!readCsvTable(path, table, error)) {
                status = fail(error);
                break;
            }
            if (names.contains(table.name)) {
                status = fail(QStringLiteral("%1: table \"%2\" is defined twice").arg(path, table.name));
                break;
            }
            names.insert(table.name);
            if (!writeTable(db, table, error)) {
                status = fail(QStringLiteral("%1: %2").arg(path, error));
                break;
            }
            table.rows.clear();
            written.append(std::move(table));
        }
        QString error;
        if (status == 0 && !writePartialTables(db, written, error))
            status = fail(error);
        if (status == 0 && !db.commit())
            status = fail(db.lastError().text());
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("out"));

    if (status != 0) {
        QFile::remove(temporary);
        return status;
    }
    QFile::remove(output);
    if (!QFile::rename(temporary, output))
        return fail(QStringLiteral("cannot move the database into place: %1").arg(output));
    return 0;
}
