// Finding a size by typing it: how a typed size matches a row, spelled as designers spell it,
// and the search over the built base's tables, with the next match and no match.

#include "catalogue/catalogue.h"
#include "catalogue/datasource.h"
#include "sizesearch/sizequery.h"
#include "sizesearch/sizesearch.h"

#include <QTest>

namespace {

// The built base's table of a kind, read through the kind's own record source.
struct KindTable
{
    DataSource source;

    KindTable(int toolbar, int button)
    {
        const std::optional<Catalogue::Kind> kind = Catalogue::find(toolbar, button, Catalogue::PipeAnswer::No);
        if (!kind || !source.setDatabaseName(QStringLiteral(MORVEX_PROGRAM_DIR "base.mdb")))
            qFatal("no kind %d %d", toolbar, button);
        source.setRecordSource(QString::fromUtf8(kind->recordSource));
        if (!source.Refresh())
            qFatal("no table for %d %d", toolbar, button);
    }

    QStringList leading(int row, qsizetype count) const
    {
        QStringList cells;
        for (int column = 0; column < count; ++column)
            cells.append(source.records()->cell(row, column));
        return cells;
    }
};

} // namespace

class TestSizeQuery : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // One row as stored and the ways a designer types its size, or something that is not it.
    void spellings_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("cells");
        QTest::addColumn<bool>("matches");
        const QStringList pipe{"57", "3.5", "4.62"};
        QTest::newRow("pipe, Cyrillic х, comma") << "57х3,5" << pipe << true;
        QTest::newRow("pipe, Latin x, point") << "57x3.5" << pipe << true;
        QTest::newRow("pipe, star") << "57*3,5" << pipe << true;
        QTest::newRow("pipe, multiplication sign") << "57×3,5" << pipe << true;
        QTest::newRow("pipe, blank") << "57 3,5" << pipe << true;
        QTest::newRow("pipe, blanks around х") << "57 х 3,5" << pipe << true;
        QTest::newRow("pipe, capital Х") << "57Х3,5" << pipe << true;
        QTest::newRow("pipe, capital X") << "57X3.5" << pipe << true;
        QTest::newRow("pipe, diameter sign") << "Ø57х3,5" << pipe << true;
        QTest::newRow("pipe, diameter sign apart") << "ø 57x3.5" << pipe << true;
        QTest::newRow("pipe, word before") << "Труба 57х3,5" << pipe << true;
        QTest::newRow("pipe, millimetres after") << "57х3,5мм" << pipe << true;
        QTest::newRow("pipe, zero after the decimals") << "57х3,50" << pipe << true;
        QTest::newRow("pipe, diameter and sign only") << "57х" << pipe << true;
        QTest::newRow("pipe, and its mass") << "57х3,5х4,62" << pipe << true;
        QTest::newRow("pipe, another wall") << "57х3" << pipe << false;
        QTest::newRow("pipe, another diameter") << "5х3,5" << pipe << false;
        QTest::newRow("pipe, the wall alone") << "3,5" << pipe << false;

        const QStringList angle{"50", "5", "3.77", "4.80", "5", "5.5", "1.8"};
        QTest::newRow("angle, b x t") << "50х5" << angle << true;
        QTest::newRow("angle, b x b x t") << "50х50х5" << angle << true;
        QTest::newRow("angle, blanks") << "50 50 5" << angle << true;
        QTest::newRow("angle, stars") << "50*50*5" << angle << true;
        QTest::newRow("angle, Latin L") << "L50x5" << angle << true;
        QTest::newRow("angle, angle sign") << "∟50х5" << angle << true;
        QTest::newRow("angle, leg three times") << "50х50х50х5" << angle << false;
        QTest::newRow("angle, another thickness") << "50х6" << angle << false;
        QTest::newRow("angle, reversed") << "5х50" << angle << false;

        const QStringList squarePipe{"40", "2.0", "2.33"};
        QTest::newRow("square pipe, A x A x s") << "40х40х2" << squarePipe << true;
        QTest::newRow("square pipe, A x s") << "40x2" << squarePipe << true;

        const QStringList beam{"20Б1", "200", "100", "5.6", "8.5", "22.4"};
        QTest::newRow("beam") << "20Б1" << beam << true;
        QTest::newRow("beam, lower case") << "20б1" << beam << true;
        QTest::newRow("beam, Latin B") << "20B1" << beam << true;
        QTest::newRow("beam, Latin b") << "20b1" << beam << true;
        QTest::newRow("beam, beginning of the name") << "20Б" << beam << true;
        QTest::newRow("beam, number of the series") << "20" << beam << true;
        QTest::newRow("beam, word before") << "Двутавр 20Б1" << beam << true;
        QTest::newRow("beam, and its height") << "20Б1х200" << beam << true;
        QTest::newRow("beam, another one") << "20Б2" << beam << false;
        QTest::newRow("beam, a number it starts with") << "2" << beam << false;
        QTest::newRow("plain beam 20 is no 20Б1") << "20Б1" << QStringList{"20", "200", "100"} << false;
        QTest::newRow("beam ДШ, Latin") << "30DSh1" << QStringList{"30ДШ1"} << true;
        QTest::newRow("beam К, Latin K") << "20K1" << QStringList{"20К1"} << true;
        QTest::newRow("beam Ш, Latin SH") << "20SH1" << QStringList{"20Ш1"} << true;

        QTest::newRow("rail, Latin P") << "P65" << QStringList{"Р65", "ГОСТ Р 51685-2013"} << true;
        QTest::newRow("rail, letter apart") << "Р 65" << QStringList{"Р65"} << true;
        QTest::newRow("rail, beginning") << "Р6" << QStringList{"Р65"} << true;
        QTest::newRow("rail, another") << "Р650" << QStringList{"Р65"} << false;
        QTest::newRow("crane rail, Latin KP") << "KP70" << QStringList{"КР70"} << true;

        QTest::newRow("channel, Latin P for П") << "20P" << QStringList{"20П", "200"} << true;
        QTest::newRow("channel, another series") << "20У" << QStringList{"20П", "200"} << false;
        QTest::newRow("channel, comma in the name") << "6.5U" << QStringList{"6,5У", "65"} << true;
        QTest::newRow("channel, number of the name") << "6,5" << QStringList{"6,5У", "65"} << true;
        QTest::newRow("channel, a lesser number") << "6" << QStringList{"6,5У", "65"} << false;
        QTest::newRow("channel а, Latin") << "16ap" << QStringList{"16аП", "160"} << true;

        const QStringList bolt{"12", "60", "67.55"};
        QTest::newRow("bolt") << "М12х60" << bolt << true;
        QTest::newRow("bolt, Latin") << "M12x60" << bolt << true;
        QTest::newRow("bolt, lower case, star") << "м12*60" << bolt << true;
        QTest::newRow("bolt, blank") << "М12 60" << bolt << true;
        QTest::newRow("bolt, letter apart") << "М 12х60" << bolt << true;
        QTest::newRow("bolt, word before") << "Болт М12х60" << bolt << true;
        QTest::newRow("bolt, without M") << "12х60" << bolt << true;
        QTest::newRow("bolt, thread only") << "М12" << bolt << true;
        QTest::newRow("bolt, another length") << "М12х65" << bolt << false;
        QTest::newRow("bolt, a shorter thread") << "М1" << bolt << false;
        QTest::newRow("bolt, a longer thread") << "М120" << bolt << false;

        QTest::newRow("sheet pile, Latin") << "L5-UM" << QStringList{"Л5-УМ"} << true;
        QTest::newRow("sheet pile, beginning") << "Л5" << QStringList{"Л5-УМ"} << true;
        QTest::newRow("sheet pile, longer than the name") << "Л5-УМ" << QStringList{"Л5"} << false;

        const QStringList ribbed{"4.0", "ромбическое", "5.0", "", "33.5"};
        QTest::newRow("ribbed sheet, thickness") << "4" << ribbed << true;
        QTest::newRow("ribbed sheet, beginning of the pattern") << "4 ромб" << ribbed << true;
        QTest::newRow("ribbed sheet, another pattern") << "4 чеч" << ribbed << false;

        const QStringList mesh{"5Вр-I 100/100 рулонная", "ГОСТ 8478-81", "5"};
        QTest::newRow("mesh, name") << "5Вр-I 100/100" << mesh << true;
        QTest::newRow("mesh, Latin B and p") << "5Bp-I 100/100" << mesh << true;
        QTest::newRow("mesh, another spacing") << "5Вр-I 150/150" << mesh << false;

        const QStringList sheet{"10", "", "", "19903-2015"};
        QTest::newRow("sheet") << "10" << sheet << true;
        QTest::newRow("sheet, millimetres") << "10мм" << sheet << true;
        QTest::newRow("sheet, millimetres apart") << "10 мм" << sheet << true;
        QTest::newRow("sheet, t") << "t10" << sheet << true;
        QTest::newRow("sheet, t=") << "t=10" << sheet << true;
        QTest::newRow("sheet, word before") << "лист 10" << sheet << true;
        QTest::newRow("sheet, decimal") << "10,0" << sheet << true;
        QTest::newRow("sheet, another") << "1" << sheet << false;

        QTest::newRow("wire, comma") << "1,2" << QStringList{"1.20", "без покрытия"} << true;
        QTest::newRow("wire, ф") << "ф1,2" << QStringList{"1.20", "без покрытия"} << true;

        QTest::newRow("nothing typed") << "" << pipe << false;
        QTest::newRow("blanks only") << "   " << pipe << false;
        QTest::newRow("a sign only") << "х" << pipe << false;
        QTest::newRow("a word only") << "труба" << pipe << false;
    }
    void spellings()
    {
        QFETCH(QString, typed);
        QFETCH(QStringList, cells);
        QFETCH(bool, matches);
        QCOMPARE(SizeQuery(typed).matches(cells), matches);
    }

    void emptyQuery_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("empty");
        QTest::newRow("nothing") << "" << true;
        QTest::newRow("blanks and signs") << " * × ; " << true;
        QTest::newRow("millimetres only") << "мм" << true;
        QTest::newRow("a size") << "57х3,5" << false;
    }
    void emptyQuery()
    {
        QFETCH(QString, typed);
        QFETCH(bool, empty);
        QCOMPARE(SizeQuery(typed).isEmpty(), empty);
    }

    // On the built base: a kind, what is typed, the first matching row's leading cells and how
    // many rows match; -1 for "every row whose leading cells are those", counted by the test
    // itself, where the base may yet grow (more pipe walls, more bolt lengths).
    void builtTables_data()
    {
        QTest::addColumn<int>("toolbar");
        QTest::addColumn<int>("button");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("first");
        QTest::addColumn<int>("count");
        QTest::newRow("seamless pipe 57x3.5") << 2 << 15 << "57х3,5" << QStringList{"57", "3.5"} << 1;
        QTest::newRow("seamless pipes of 57") << 2 << 15 << "57x" << QStringList{"57"} << -1;
        QTest::newRow("welded pipe 57x3.5") << 2 << 13 << "57*3.5" << QStringList{"57", "3.5"} << 1;
        QTest::newRow("equal angle 50 5") << 2 << 10 << "50 5" << QStringList{"50", "5"} << 1;
        QTest::newRow("equal angle 50x50x5") << 2 << 10 << "50х50х5" << QStringList{"50", "5"} << 1;
        QTest::newRow("unequal angle 63x40x5") << 2 << 8 << "63x40x5" << QStringList{"63", "40", "5"} << 1;
        QTest::newRow("bent equal angle 40x40x3") << 2 << 11 << "40х40х3" << QStringList{"40", "3.0"} << 1;
        QTest::newRow("square pipe 40x40x2") << 2 << 14 << "40х40х2" << QStringList{"40", "2.0"} << 1;
        QTest::newRow("I-beam 20Б1") << 2 << 2 << "20Б1" << QStringList{"20Б1"} << 1;
        QTest::newRow("I-beams of 20") << 2 << 2 << "20" << QStringList{"20"} << 5;
        QTest::newRow("I-beam 30ДШ1, Latin") << 2 << 2 << "30DSh1" << QStringList{"30ДШ1"} << 1;
        QTest::newRow("channels of 20") << 2 << 7 << "20" << QStringList{"20У"} << 2;
        QTest::newRow("channel 6,5П") << 2 << 7 << "6,5П" << QStringList{"6,5П"} << 1;
        QTest::newRow("rails Р65") << 2 << 5 << "P65" << QStringList{"Р65"} << 2;
        QTest::newRow("sheet piles Л5") << 2 << 1 << "Л5" << QStringList{"Л5"} << 2;
        QTest::newRow("round bar 20") << 2 << 3 << "Ø20" << QStringList{"20"} << 1;
        QTest::newRow("square bar 20x20") << 2 << 4 << "20х20" << QStringList{"20"} << 1;
        QTest::newRow("bolt M12x60") << 4 << 8 << "М12х60" << QStringList{"12", "60"} << 1;
        QTest::newRow("bolts M12, Latin") << 4 << 8 << "M12" << QStringList{"12"} << -1;
        QTest::newRow("nut M12") << 4 << 1 << "М12" << QStringList{"12"} << 1;
        QTest::newRow("wire 1,2") << 3 << 1 << "1,2" << QStringList{"1.20"} << 1;
        QTest::newRow("welded mesh 4С 200/200") << 3 << 5 << "4C Bp-I 200/200" << QStringList{"4С Вр-I 200/200"} << 1;
        QTest::newRow("ribbed sheets 4") << 5 << 1 << "4" << QStringList{"4.0", "ромбическое"} << 2;
        QTest::newRow("ribbed sheet 4 lentil") << 5 << 1 << "4 чеч" << QStringList{"4.0", "чечевичное"} << 1;
        QTest::newRow("smooth sheet 2") << 5 << 2 << "лист 2" << QStringList{"2.0"} << 1;
        QTest::newRow("no such pipe") << 2 << 15 << "57х3,6" << QStringList{} << 0;
        QTest::newRow("no such beam") << 2 << 2 << "20Б3" << QStringList{} << 0;
        QTest::newRow("no such bolt") << 4 << 8 << "М13" << QStringList{} << 0;
    }
    void builtTables()
    {
        QFETCH(int, toolbar);
        QFETCH(int, button);
        QFETCH(QString, typed);
        QFETCH(QStringList, first);
        QFETCH(int, count);
        KindTable table(toolbar, button);
        SizeSearch search;
        const SizeSearch::Found found = search.find(*table.source.records(), typed, 0);
        if (count < 0) {
            count = 0;
            for (int row = 0; row < table.source.records()->rowCount(); ++row)
                count += table.leading(row, first.size()) == first ? 1 : 0;
            QVERIFY(count > 1);
        }
        QCOMPARE(found.count, count);
        if (first.isEmpty()) {
            QCOMPARE(found.row, -1);
            return;
        }
        QVERIFY(found.row >= 0);
        QCOMPARE(table.leading(found.row, first.size()), first);
        QCOMPARE(found.ordinal, 1);
    }

    // Enter again goes to the next matching row after the current one, and from the last back
    // to the first; a size typed anew starts from the top.
    void nextMatch()
    {
        KindTable table(2, 2);
        const RecordSetModel &rows = *table.source.records();
        SizeSearch search;
        QStringList seen;
        int current = 40; // wherever the grid stands before the first search
        for (int press = 0; press < 6; ++press) {
            const SizeSearch::Found found = search.find(rows, QStringLiteral("20"), current);
            QCOMPARE(found.count, 5);
            QCOMPARE(found.ordinal, press % 5 + 1);
            QCOMPARE(found.wrapped, press == 5);
            seen.append(rows.cell(found.row, 0));
            current = found.row;
        }
        QCOMPARE(seen, (QStringList{"20", "20Б1", "20Ш1", "20К1", "20К2", "20"}));

        // The user moved on to 20Ш1's row: the next is 20К1.
        int sh1Row = 0;
        while (rows.cell(sh1Row, 0) != QStringLiteral("20Ш1"))
            ++sh1Row;
        QCOMPARE(rows.cell(search.find(rows, QStringLiteral("20"), sh1Row).row, 0), QStringLiteral("20К1"));
        // Something else typed, then the first size again: from the top.
        QCOMPARE(rows.cell(search.find(rows, QStringLiteral("20Б1"), 0).row, 0), QStringLiteral("20Б1"));
        QCOMPARE(rows.cell(search.find(rows, QStringLiteral("20"), sh1Row).row, 0), QStringLiteral("20"));
    }

    void describe_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("ordinal");
        QTest::addColumn<int>("count");
        QTest::addColumn<bool>("wrapped");
        QTest::addColumn<bool>("empty");
        QTest::addColumn<QString>("text");
        QTest::newRow("nothing typed") << -1 << 0 << 0 << false << true << "Введите размер, например 57х3,5.";
        QTest::newRow("no match") << -1 << 0 << 0 << false << false << "Размер «57х3,6» в таблице не найден.";
        QTest::newRow("the only one") << 12 << 1 << 1 << false << false << "Найден единственный размер.";
        QTest::newRow("one of several") << 12 << 2 << 5 << false << false << "Найдено: 2 из 5.";
        QTest::newRow("back to the first") << 3 << 1 << 5 << true << false
                                           << "Найдено: 1 из 5. Дальше совпадений нет, снова первое.";
    }
    void describe()
    {
        QFETCH(int, row);
        QFETCH(int, ordinal);
        QFETCH(int, count);
        QFETCH(bool, wrapped);
        QFETCH(bool, empty);
        QFETCH(QString, text);
        SizeSearch::Found found;
        found.row = row;
        found.ordinal = ordinal;
        found.count = count;
        found.wrapped = wrapped;
        found.empty = empty;
        QCOMPARE(SizeSearch::describe(found, QStringLiteral(" 57х3,6 ")), text);
    }
};

QTEST_GUILESS_MAIN(TestSizeQuery)
#include "tst_sizequery.moc"
