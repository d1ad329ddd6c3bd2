#include "basetables.h"

#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QVariant>

#include <cmath>

namespace {

QSqlDatabase base()
{
    const QString connection = QStringLiteral("built-base");
    if (QSqlDatabase::contains(connection))
        return QSqlDatabase::database(connection);
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
    db.setDatabaseName(QStringLiteral(MORVEX_PROGRAM_DIR "base.mdb"));
    db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
    db.open();
    return db;
}

QString quoted(const QString &name)
{
    QString q = name;
    q.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + q + QLatin1Char('"');
}

} // namespace

namespace BaseTables {

QStringList tableNames()
{
    QStringList names;
    QSqlQuery query(base());
    if (!query.exec(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' ORDER BY name")))
        return names;
    while (query.next())
        names.append(query.value(0).toString());
    return names;
}

QStringList columns(const QString &table)
{
    QStringList names;
    QSqlQuery query(base());
    if (!query.exec(QStringLiteral("PRAGMA table_info(%1)").arg(quoted(table))))
        return names;
    while (query.next())
        names.append(query.value(1).toString());
    return names;
}

QList<QStringList> rows(const QString &table)
{
    QList<QStringList> result;
    QSqlQuery query(base());
    if (!query.exec(QStringLiteral("SELECT * FROM %1 ORDER BY rowid").arg(quoted(table))))
        return result;
    const int count = query.record().count();
    while (query.next()) {
        QStringList row;
        for (int i = 0; i < count; ++i)
            row.append(query.value(i).isNull() ? QString() : query.value(i).toString());
        result.append(row);
    }
    return result;
}

double number(const QString &cell, bool *ok)
{
    return cell.trimmed().toDouble(ok);
}

double cellNumber(const QString &cell)
{
    bool ok = false;
    const double value = number(cell, &ok);
    return ok ? value : std::nan("");
}

bool isPlainDecimal(const QString &cell)
{
    static const QRegularExpression decimal(QStringLiteral("^\\d+(\\.\\d+)?$"));
    return decimal.match(cell).hasMatch();
}

bool isPlainInteger(const QString &cell)
{
    static const QRegularExpression integer(QStringLiteral("^[1-9]\\d*$"));
    return integer.match(cell).hasMatch();
}

int decimals(const QString &cell)
{
    const qsizetype point = cell.indexOf(QLatin1Char('.'));
    return point < 0 ? 0 : int(cell.size() - point - 1);
}

int columnOf(const QString &table, const QString &name)
{
    return int(columns(table).indexOf(name));
}

int firstBadMassRow(const QList<QStringList> &rows, int column)
{
    for (int i = 0; i < rows.size(); ++i) {
        const QString cell = rows.at(i).value(column);
        if (!isPlainDecimal(cell) || !(cellNumber(cell) > 0.0))
            return i;
    }
    return -1;
}

} // namespace BaseTables
