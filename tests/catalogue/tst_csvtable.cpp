// The reader and writer of table files, which the build reads the base from and the user's
// own sizes are kept in.

#include "catalogue/csvtable.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestCsvTable : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void readsNoteHeaderAndRows()
    {
        const CsvReading reading = parseCsvTable(
            "# table: швеллер гнутый\n# partial: таблица 1\n# ГОСТ 8278-83\n"
            "\"h, мм\",\"ОАО \"\"ММК\"\"\",s\r\n25,+,\"2,5\"\n30,,\"\"\n");
        QVERIFY(reading.problems.isEmpty());
        QCOMPARE(reading.table.name, QStringLiteral("швеллер гнутый"));
        QCOMPARE(reading.table.note, QStringList{QStringLiteral("ГОСТ 8278-83")});
        QCOMPARE(reading.table.partial, QStringLiteral("таблица 1"));
        QCOMPARE(reading.table.columns, (QStringList{"h, мм", "ОАО \"ММК\"", "s"}));
        QCOMPARE(reading.table.rows, (QList<QStringList>{{"25", "+", "2,5"}, {"30", "", ""}}));
        QCOMPARE(reading.table.headerLine, 4);
        QCOMPARE(reading.table.rowLines, (QList<int>{5, 6}));
    }

    // What the build is told, file and line first, for each fault of a table source.
    void buildStopsAtTheFirstFault_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("error");
        QTest::newRow("header first") << QByteArray("a,b\n# table: t\n") << ":1: the header comes before a '# table: <name>' line";
        QTest::newRow("no name") << QByteArray("# a note\n") << ":2: no '# table: <name>' line";
        QTest::newRow("empty file") << QByteArray() << ":1: no '# table: <name>' line";
        QTest::newRow("no header") << QByteArray("# table: t\n") << ":2: no header line";
        QTest::newRow("empty line") << QByteArray("# table: t\na\n1\n\n2\n") << ":4: empty line";
        QTest::newRow("open quote") << QByteArray("# table: t\na,b\n1,\"2\n") << ":3: unbalanced double quote";
        QTest::newRow("stray quote") << QByteArray("# table: t\na,b\n1,2\"\n") << ":3: unbalanced double quote";
        QTest::newRow("short row") << QByteArray("# table: t\na,b,c\n1,2\n") << ":3: 2 fields, the header has 3";
        QTest::newRow("column twice") << QByteArray("# table: t\na,b,a\n") << ":2: column \"a\" twice";
        QTest::newRow("empty column") << QByteArray("# table: t\na,,c\n") << ":2: empty column name";
        QTest::newRow("second partial") << QByteArray("# table: t\n# partial: a\n# partial: b\na\n") << ":3: a second '# partial:' line";
        QTest::newRow("empty partial") << QByteArray("# table: t\n# partial:  \na\n") << ":2: '# partial:' without a text";
    }
    void buildStopsAtTheFirstFault()
    {
        QFETCH(QByteArray, text);
        QFETCH(QString, error);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("t.csv"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(text);
        file.close();
        CsvTable table;
        QString message;
        QVERIFY(!readCsvTable(path, table, message));
        QCOMPARE(message, path + error);
    }

    void buildReadsASoundFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("t.csv"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("# table: t\na,b\n1,2\n");
        file.close();
        CsvTable table;
        QString message;
        QVERIFY(readCsvTable(path, table, message));
        QCOMPARE(table.rows, QList<QStringList>{(QStringList{"1", "2"})});
        QVERIFY(!readCsvTable(dir.filePath(QStringLiteral("none.csv")), table, message));
        QVERIFY(message.contains(QStringLiteral(": cannot open: ")));
    }

    // Read as far as it goes: the rows that cannot be read are left out, each one noted.
    void unreadableRowsAreSkipped()
    {
        const CsvReading reading = parseCsvTable("# table: t\na,b\n1,2\n3\n\n4,\"5\n6,7\n");
        QCOMPARE(reading.table.rows, (QList<QStringList>{{"1", "2"}, {"6", "7"}}));
        QCOMPARE(reading.table.rowLines, (QList<int>{3, 7}));
        QList<int> lines;
        QList<CsvProblem::Kind> kinds;
        for (const CsvProblem &problem : reading.problems) {
            lines.append(problem.line);
            kinds.append(problem.kind);
            QVERIFY(!problem.inHeader);
        }
        QCOMPARE(lines, (QList<int>{4, 5, 6}));
        QCOMPARE(kinds, (QList<CsvProblem::Kind>{CsvProblem::Kind::FieldCount, CsvProblem::Kind::EmptyLine,
                                                 CsvProblem::Kind::UnbalancedQuote}));
    }

    void anUnreadableHeaderYieldsNoRows()
    {
        const CsvReading reading = parseCsvTable("# table: t\n\"a,b\n1,2\n");
        QVERIFY(reading.table.columns.isEmpty());
        QVERIFY(reading.table.rows.isEmpty());
        QCOMPARE(reading.problems.size(), 1);
        QCOMPARE(reading.problems.first().line, 2);
        QVERIFY(reading.problems.first().inHeader);
    }

    void aByteOrderMarkIsSkipped()
    {
        const CsvReading reading = parseCsvTable("\xEF\xBB\xBF# table: t\na\n1\n");
        QVERIFY(reading.problems.isEmpty());
        QCOMPARE(reading.table.name, QStringLiteral("t"));
    }

    // Every field the writer may meet reads back as it was.
    void writtenTablesReadBack_data()
    {
        QTest::addColumn<QStringList>("columns");
        QTest::addColumn<QStringList>("row");
        QTest::newRow("plain") << QStringList{"a", "b"} << QStringList{"12.5", "Р50"};
        QTest::newRow("comma") << QStringList{"Диаметр, мм", "b"} << QStringList{"6,5У", "без покрытия, оцинкованная"};
        QTest::newRow("quotes") << QStringList{"ОАО \"ММК\"", "b"} << QStringList{"\"", "a \"b\" c"};
        QTest::newRow("hash first") << QStringList{"#", "b"} << QStringList{"# 1", "2"};
        QTest::newRow("empty cells") << QStringList{"a", "b"} << QStringList{"", ""};
        QTest::newRow("one empty column") << QStringList{"a"} << QStringList{""};
        QTest::newRow("blanks kept") << QStringList{"a"} << QStringList{" 1 "};
    }
    void writtenTablesReadBack()
    {
        QFETCH(QStringList, columns);
        QFETCH(QStringList, row);
        CsvTable table;
        table.name = QStringLiteral("z профиль");
        table.note = QStringList{QStringLiteral("свои размеры"), QString()};
        table.partial = QStringLiteral("ГОСТ 13229-78: 2 размера, не все");
        table.columns = columns;
        table.rows = {row, row};
        const CsvReading reading = parseCsvTable(writeCsvTable(table));
        QVERIFY(reading.problems.isEmpty());
        QCOMPARE(reading.table.name, table.name);
        QCOMPARE(reading.table.note, table.note);
        QCOMPARE(reading.table.partial, table.partial);
        QCOMPARE(reading.table.columns, columns);
        QCOMPARE(reading.table.rows, table.rows);
    }

    void aLineBreakInAFieldIsWrittenAsABlank()
    {
        CsvTable table;
        table.name = QStringLiteral("t");
        table.columns = QStringList{QStringLiteral("a"), QStringLiteral("b")};
        table.rows = {{QStringLiteral("1\n2"), QStringLiteral("3\r\n")}};
        const QByteArray text = writeCsvTable(table);
        QCOMPARE(text, QByteArray("# table: t\na,b\n1 2,3  \n"));
    }
};

QTEST_APPLESS_MAIN(TestCsvTable)
#include "tst_csvtable.moc"
