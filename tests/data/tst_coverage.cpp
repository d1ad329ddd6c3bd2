// The coverage table of data/tables/README.md against the built base: every table of the base
// has one row there, named as the base names it, with the file it is built from and the number
// of rows it holds, so the table cannot fall behind the data.

#include "basetables.h"
#include "catalogue/partialtables.h"

#include <QFile>
#include <QRegularExpression>
#include <QTest>

namespace {

const QString readmePath = QStringLiteral(MORVEX_SOURCE_DIR "data/tables/README.md");

struct CoverageRow
{
    QString table;
    QString file;
    QString rows;
};

// The cells of a Markdown table line "| a | b |", trimmed.
QStringList cellsOf(const QString &line)
{
    QStringList cells = line.trimmed().split(QLatin1Char('|'));
    if (cells.size() < 2)
        return {};
    cells = cells.mid(1, cells.size() - 2);
    for (QString &cell : cells)
        cell = cell.trimmed();
    return cells;
}

// The rows of the table under the heading "## Coverage", read by the names of its header; an
// empty list when the section, the table or one of the columns is missing.
QList<CoverageRow> coverageRows()
{
    QFile file(readmePath);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    const qsizetype heading = lines.indexOf(QStringLiteral("## Coverage"));
    if (heading < 0)
        return {};
    qsizetype i = heading + 1;
    while (i < lines.size() && !lines.at(i).startsWith(QLatin1Char('|')) && !lines.at(i).startsWith(QLatin1Char('#')))
        ++i;
    if (i + 1 >= lines.size() || !lines.at(i).startsWith(QLatin1Char('|')))
        return {};
    const QStringList header = cellsOf(lines.at(i));
    const qsizetype table = header.indexOf(QStringLiteral("Table"));
    const qsizetype source = header.indexOf(QStringLiteral("File"));
    const qsizetype count = header.indexOf(QStringLiteral("Rows"));
    if (table < 0 || source < 0 || count < 0)
        return {};
    QList<CoverageRow> rows;
    for (i += 2; i < lines.size() && lines.at(i).startsWith(QLatin1Char('|')); ++i) {
        const QStringList cells = cellsOf(lines.at(i));
        rows.append({cells.value(table), cells.value(source), cells.value(count)});
    }
    return rows;
}

// "\"name\"" → name; the text unchanged when it is not quoted.
QString unquoted(const QString &cell)
{
    if (cell.size() >= 2 && cell.startsWith(QLatin1Char('"')) && cell.endsWith(QLatin1Char('"')))
        return cell.mid(1, cell.size() - 2);
    return cell;
}

// The name in the "# table:" line of a table source.
QString tableNameInSource(const QString &fileName)
{
    QFile file(QStringLiteral(MORVEX_SOURCE_DIR "data/tables/") + fileName);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    const QString tag = QStringLiteral("# table:");
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (!line.startsWith(QLatin1Char('#')))
            break;
        if (line.startsWith(tag))
            return line.mid(tag.size()).trimmed();
    }
    return {};
}

} // namespace

class TestCoverage : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void rowCountIsTheBase_data();
    void rowCountIsTheBase();
    void everyTableHasOneRow();
};

// Each coverage row: the table exists in the base with the stated number of rows, and the file
// named beside it is the source of that table.
void TestCoverage::rowCountIsTheBase_data()
{
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("rows");

    const QList<CoverageRow> rows = coverageRows();
    QVERIFY2(!rows.isEmpty(), qPrintable(readmePath + QStringLiteral(": no coverage table")));
    for (const CoverageRow &row : rows)
        QTest::newRow(qPrintable(row.table)) << unquoted(row.table) << row.file << row.rows;
}

void TestCoverage::rowCountIsTheBase()
{
    QFETCH(QString, table);
    QFETCH(QString, file);
    QFETCH(QString, rows);

    QVERIFY2(!BaseTables::columns(table).isEmpty(), qPrintable(table + QStringLiteral(" is not in the base")));
    static const QRegularExpression count(QStringLiteral("^(0|[1-9]\\d*)$"));
    QVERIFY2(count.match(rows).hasMatch(), qPrintable(rows));
    QCOMPARE(rows.toInt(), int(BaseTables::rows(table).size()));
    static const QRegularExpression source(QStringLiteral("^`([a-z0-9_]+\\.csv)`$"));
    const QRegularExpressionMatch match = source.match(file);
    QVERIFY2(match.hasMatch(), qPrintable(file));
    QCOMPARE(tableNameInSource(match.captured(1)), table);
}

// The coverage table lists each table of the base once (the base's own list of partial tables
// is not a size table and is left out), so a new table cannot go unmentioned.
void TestCoverage::everyTableHasOneRow()
{
    QStringList listed;
    for (const CoverageRow &row : coverageRows())
        listed.append(unquoted(row.table));
    QStringList expected = BaseTables::tableNames();
    expected.removeAll(QString::fromUtf8(PartialTables::Table));
    QVERIFY(!expected.isEmpty());
    QStringList sorted = listed;
    sorted.sort();
    expected.sort();
    QCOMPARE(sorted, expected);
}

QTEST_GUILESS_MAIN(TestCoverage)
#include "tst_coverage.moc"
