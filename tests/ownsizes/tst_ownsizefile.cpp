// The file of a table's own sizes: what is read from it, what is refused and why, what is
// written back.

#include "ownsizes/ownsizefile.h"

#include <QTest>

namespace {

const QString Table = QStringLiteral("швеллер гнутый");
// Names with commas and quotes; the record source selects the first five, the mass fourth.
const QStringList Columns{"h, мм", "b, мм", "s, мм", "Масса 1м, кг", "ОАО \"ММК\"", "index"};
const QByteArray Header = "# table: швеллер гнутый\n\"h, мм\",\"b, мм\",\"s, мм\",\"Масса 1м, кг\",\"ОАО \"\"ММК\"\"\",index\n";

OwnSizeFile parsed(const QByteArray &text, int baseRows = 195)
{
    return OwnSizeFile::parse(text, Table, Columns, SizeRule::forTable(Table, Columns), baseRows);
}

} // namespace

class TestOwnSizeFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void reads_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QList<QStringList>>("rows");
        QTest::addColumn<int>("badLine");
        QTest::addColumn<QString>("badReason");

        QTest::newRow("sound") << Header + "25,26,2,0.95,+,\n300,80,6,25.4,,\n"
                               << QList<QStringList>{{"25", "26", "2", "0.95", "+", ""}, {"300", "80", "6", "25.4", "", ""}}
                               << 0 << "";
        QTest::newRow("a comma in a field") << Header + "\"25,5\",26,2,0.95,\"да, в каталоге\",\n"
                                            << QList<QStringList>{{"25,5", "26", "2", "0.95", "да, в каталоге", ""}}
                                            << 0 << "";
        QTest::newRow("quotes") << Header + "25,26,2,0.95,\"\"\"ММК\"\" 2020\",\n"
                                << QList<QStringList>{{"25", "26", "2", "0.95", "\"ММК\" 2020", ""}} << 0 << "";
        QTest::newRow("empty file") << QByteArray() << QList<QStringList>{} << 0 << "";
        QTest::newRow("blanks only") << QByteArray(" \n\n") << QList<QStringList>{} << 0 << "";
        QTest::newRow("header and no rows") << Header << QList<QStringList>{} << 0 << "";
        QTest::newRow("columns in another order, some left out")
            << QByteArray("# table: швеллер гнутый\n\"Масса 1м, кг\",\"h, мм\"\n0.95,25\n")
            << QList<QStringList>{{"25", "", "", "0.95", "", ""}} << 0 << "";
        QTest::newRow("CR LF, as a spreadsheet may write") << QByteArray(Header).replace("\n", "\r\n") + "25,26,2,0.95,,\r\n"
                                                           << QList<QStringList>{{"25", "26", "2", "0.95", "", ""}} << 0 << "";

        QTest::newRow("a header of another table") << QByteArray("# table: швеллер гнутый\nh,b,s,Масса\n25,26,2,0.95\n")
                                                   << QList<QStringList>{} << 2
                                                   << "Заголовок не совпадает со столбцами таблицы: в таблице нет столбца «h».";
        QTest::newRow("another table's file") << QByteArray("# table: швеллер\n\"h, мм\"\n25\n") << QList<QStringList>{} << 1
                                              << "Файл относится к таблице «швеллер», а не «швеллер гнутый».";
        QTest::newRow("no name line") << QByteArray(Header).mid(Header.indexOf('\n') + 1) + "25,26,2,0.95,,\n"
                                      << QList<QStringList>{} << 1 << "Нет строки «# table: швеллер гнутый».";
        QTest::newRow("a repeated column") << QByteArray("# table: швеллер гнутый\nindex,index\n") << QList<QStringList>{} << 2
                                           << "Заголовок не совпадает со столбцами таблицы.";
        QTest::newRow("truncated line") << Header + "25,26,2,0.95,,\n300,80,6"
                                        << QList<QStringList>{{"25", "26", "2", "0.95", "", ""}} << 4
                                        << "Полей 3, а столбцов в заголовке 6.";
        QTest::newRow("truncated in quotes") << Header + "25,26,2,0.95,\"ОА"
                                             << QList<QStringList>{} << 3 << "Непарная кавычка.";
        QTest::newRow("a non-numeric mass") << Header + "25,26,2,около 1,,\n300,80,6,25.4,,\n"
                                            << QList<QStringList>{{"300", "80", "6", "25.4", "", ""}} << 3
                                            << "В поле «Масса 1м, кг» должно стоять положительное число.";
        QTest::newRow("a decimal comma in the mass") << Header + "25,26,2,\"0,95\",,\n"
                                                     << QList<QStringList>{} << 3
                                                     << "В поле «Масса 1м, кг» должно стоять положительное число.";
        QTest::newRow("the first of several faults") << Header + "25,26,2,0.95,,\n\n25,26,2,x,,\n1,2,3\n"
                                                     << QList<QStringList>{{"25", "26", "2", "0.95", "", ""}} << 4
                                                     << "Пустая строка.";
    }
    void reads()
    {
        QFETCH(QByteArray, text);
        QFETCH(QList<QStringList>, rows);
        QFETCH(int, badLine);
        QFETCH(QString, badReason);
        const OwnSizeFile file = parsed(text);
        QCOMPARE(file.rows, rows);
        QCOMPARE(file.badLine, badLine);
        QCOMPARE(file.badReason, badReason);
        QCOMPARE(file.damaged(), !badReason.isEmpty());
    }

    void roundTrip()
    {
        OwnSizeFile file;
        file.note = QStringList{QStringLiteral("каталог завода, 2024")};
        file.rows = {{"25,5", "26", "2", "0.95", "\"ММК\"", ""}, {"#1", "", "", "12.0", "", ""}};
        const QByteArray text = file.text(Table, Columns);
        QVERIFY(text.startsWith(Header.left(Header.indexOf('\n') + 1)));
        const OwnSizeFile back = parsed(text);
        QVERIFY(!back.damaged());
        QCOMPARE(back.note, file.note);
        QCOMPARE(back.rows, file.rows);
        // The header is the table's, so a file read in any order is written in table order.
        QCOMPARE(parsed(QByteArray("# table: швеллер гнутый\n\"Масса 1м, кг\",\"h, мм\"\n0.95,25\n")).text(Table, Columns),
                 Header + "25,,,0.95,,\n");
    }

    // A row's rule is the one of its place after the base's rows; a refused row takes none.
    void placesFollowTheBaseRows()
    {
        const QString woven = QStringLiteral("Сетка плетеная");
        const QStringList columns{"Номер", "d", "Ширина", "Ромб", "Квадрат", "Ячейка", "Масса 1 м2"};
        const QByteArray text = "# table: Сетка плетеная\nНомер,d,Ширина,Ромб,Квадрат,Ячейка,Масса 1 м2\n"
                                "a,,,0,0,,\n"     // no mass where the shapes are read: refused
                                "b,,,4.2,3.1,,\n" // at 46: shapes
                                "c,,,4.2,3.1,,\n" // at 47: the woven mass is needed
                                "d,,,,,,0.83\n";  // at 47 after the refused one
        const OwnSizeFile file = OwnSizeFile::parse(text, woven, columns, SizeRule::forTable(woven, columns), 46);
        QCOMPARE(file.rows.size(), 2);
        QCOMPARE(file.rows.at(0).first(), QStringLiteral("b"));
        QCOMPARE(file.rows.at(1).first(), QStringLiteral("d"));
        QCOMPARE(file.badLine, 3);
    }
};

QTEST_APPLESS_MAIN(TestOwnSizeFile)
#include "tst_ownsizefile.moc"
