// The marks of the tables that hold only part of their standard: the "# partial:" line of a
// table source, read by the base tool, reaches the base's list of partial tables unchanged, and
// the number of rows it names is the number the base holds.

#include "basetables.h"
#include "catalogue/csvtable.h"
#include "catalogue/partialtables.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

QStringList tableSources()
{
    const QDir dir(QStringLiteral(MORVEX_SOURCE_DIR "data/tables"));
    QStringList paths;
    for (const QString &name : dir.entryList({QStringLiteral("*.csv")}, QDir::Files, QDir::Name))
        paths.append(dir.filePath(name));
    return paths;
}

// The base's list: table name to text.
QHash<QString, QString> partialList()
{
    QHash<QString, QString> list;
    const QString table = QString::fromUtf8(PartialTables::Table);
    const int name = BaseTables::columnOf(table, QString::fromUtf8(PartialTables::NameColumn));
    const int text = BaseTables::columnOf(table, QString::fromUtf8(PartialTables::TextColumn));
    if (name < 0 || text < 0)
        return list;
    for (const QStringList &row : BaseTables::rows(table))
        list.insert(row.value(name), row.value(text));
    return list;
}

} // namespace

class TestPartialTables : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void sourceMarksReachTheBase_data()
    {
        QTest::addColumn<QString>("path");
        for (const QString &path : tableSources())
            QTest::newRow(qPrintable(QFileInfo(path).fileName())) << path;
    }
    void sourceMarksReachTheBase()
    {
        QFETCH(QString, path);
        CsvTable table;
        QString error;
        QVERIFY2(readCsvTable(path, table, error), qPrintable(error));
        const QHash<QString, QString> list = partialList();
        QCOMPARE(list.contains(table.name), !table.partial.isEmpty());
        QCOMPARE(list.value(table.name), table.partial);
    }

    // Nothing in the list that no table source marks.
    void listHoldsOnlyMarkedTables()
    {
        int marked = 0;
        for (const QString &path : tableSources()) {
            CsvTable table;
            QString error;
            QVERIFY2(readCsvTable(path, table, error), qPrintable(error));
            marked += table.partial.isEmpty() ? 0 : 1;
        }
        QVERIFY(marked > 0);
        QCOMPARE(partialList().size(), marked);
    }

    // "<standard>: <rows> ...": the count the user reads is the count the grid shows.
    void markCountsTheRows_data()
    {
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("text");
        const QHash<QString, QString> list = partialList();
        for (auto it = list.cbegin(); it != list.cend(); ++it)
            QTest::newRow(qPrintable(it.key())) << it.key() << it.value();
    }
    void markCountsTheRows()
    {
        QFETCH(QString, table);
        QFETCH(QString, text);
        static const QRegularExpression count(QStringLiteral("^(ГОСТ|ТУ) [^:]+: (\\d+) "));
        const QRegularExpressionMatch match = count.match(text);
        QVERIFY2(match.hasMatch(), qPrintable(text));
        QCOMPARE(match.captured(2).toInt(), int(BaseTables::rows(table).size()));
    }

    // The base tool's reading of the line: once, with a text, in the leading note only.
    void partialLineIsRead_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("partial");
        QTest::addColumn<QString>("error"); // empty: read without an error
        const QString head = QStringLiteral("# table: t\n");
        const QString body = QStringLiteral("A,B\n1,2\n");
        QTest::newRow("marked") << head + QStringLiteral("# партия\n# partial:  ГОСТ 1-1: 1 размер \n") + body
                                << "ГОСТ 1-1: 1 размер" << "";
        QTest::newRow("before the table line") << QStringLiteral("# partial: ГОСТ 1-1: 1 размер\n") + head + body
                                               << "ГОСТ 1-1: 1 размер" << "";
        QTest::newRow("unmarked") << head + QStringLiteral("# partially read elsewhere\n") + body << "" << "";
        QTest::newRow("twice") << head + QStringLiteral("# partial: a\n# partial: b\n") + body << ""
                               << ":3: a second '# partial:' line";
        QTest::newRow("without a text") << head + QStringLiteral("# partial:   \n") + body << ""
                                        << ":2: '# partial:' without a text";
    }
    void partialLineIsRead()
    {
        QFETCH(QString, source);
        QFETCH(QString, partial);
        QFETCH(QString, error);
        QTemporaryDir dir;
        QFile file(dir.filePath(QStringLiteral("t.csv")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(source.toUtf8());
        file.close();
        CsvTable table;
        QString why;
        QCOMPARE(readCsvTable(file.fileName(), table, why), error.isEmpty());
        if (!error.isEmpty()) {
            QVERIFY2(why.endsWith(error), qPrintable(why));
            return;
        }
        QCOMPARE(table.partial, partial);
        QCOMPARE(table.name, QStringLiteral("t"));
        QCOMPARE(table.rows.size(), 1);
        for (const QString &line : table.note)
            QVERIFY2(!line.startsWith(QStringLiteral("partial:")), qPrintable(line));
    }
};

QTEST_GUILESS_MAIN(TestPartialTables)
#include "tst_partialtables.moc"
