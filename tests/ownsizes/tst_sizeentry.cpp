// What the size dialog shows and what it makes of the user's typing.

#include "catalogue/recordsetmodel.h"
#include "catalogue/recordsource.h"
#include "ownsizes/sizeentry.h"

#include <QTest>

namespace {

const QString RoundSource = QStringLiteral("select [Диаметр, мм], [Масса 1м, кГ] from [Прокат круглый] order by index");
const QStringList Round{"Диаметр, мм", "Площадь", "Масса 1м, кГ", "index"};
const QStringList Channel{"Номер", "h", "Масса 1 м, кг"};

SizeEntry entry(const QString &recordSource, const QStringList &columns, const QStringList &start = {},
                const QSet<int> &text = {})
{
    const RecordSource source = *RecordSource::parse(recordSource);
    return SizeEntry(source, columns, SizeRule::forTable(source.table, columns), 5, start, text);
}

} // namespace

class TestSizeEntry : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void aFieldForEveryColumnButTheHiddenKey_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QStringList>("columns");
        QTest::addColumn<QStringList>("captions");
        QTest::newRow("selected columns, ordered by index") << RoundSource << Round
                                                            << QStringList{"Диаметр, мм", "Площадь", "Масса 1м, кГ"};
        QTest::newRow("a whole table") << "швеллер" << Channel << Channel;
        QTest::newRow("every column, ordered by two")
            << "select * from [Болты В] order by [Диаметр резьбы, мм], [Длина болта, мм]"
            << QStringList{"Диаметр резьбы, мм", "Длина болта, мм", "Масса"}
            << QStringList{"Диаметр резьбы, мм", "Длина болта, мм", "Масса"};
    }
    void aFieldForEveryColumnButTheHiddenKey()
    {
        QFETCH(QString, source);
        QFETCH(QStringList, columns);
        QFETCH(QStringList, captions);
        const SizeEntry e = entry(source, columns);
        QStringList shown;
        for (int field = 0; field < e.fields().size(); ++field)
            shown.append(e.caption(field));
        QCOMPARE(shown, captions);
    }

    // The typing as it is stored: numbers with a point, words as typed.
    void rowsMadeOfTheTyping_data()
    {
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<QStringList>("row");
        QTest::newRow("points") << QStringList{"10", "0.785", "0.617"} << QStringList{"10", "0.785", "0.617", ""};
        QTest::newRow("commas") << QStringList{"10,5", "0,785", "0,617"} << QStringList{"10.5", "0.785", "0.617", ""};
        QTest::newRow("blanks") << QStringList{" 1 200 ", "", " ,5 "} << QStringList{"1200", "", "0.5", ""};
    }
    void rowsMadeOfTheTyping()
    {
        QFETCH(QStringList, typed);
        QFETCH(QStringList, row);
        const SizeEntry::Outcome outcome = entry(RoundSource, Round).accept(typed);
        QVERIFY2(outcome.row, qPrintable(outcome.message));
        QCOMPARE(*outcome.row, row);
    }

    // A column the base fills with numbers takes only a finite number; the mass's column is
    // the rule's, which says so in its words.
    void aNumberColumnRefusesWhatIsNoNumber_data()
    {
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("field");
        QTest::newRow("a word") << QStringList{"10,5 мм", "", "0.617"} << "В поле «Диаметр, мм» должно стоять число." << 0;
        QTest::newRow("two commas") << QStringList{"10", "1,2,3", "0.617"} << "В поле «Площадь» должно стоять число." << 1;
        QTest::newRow("beyond doubles") << QStringList{"1e400", "", "0.617"} << "Число в поле «Диаметр, мм» слишком велико." << 0;
        QTest::newRow("the mass, beyond doubles")
            << QStringList{"10", "", "1e400"} << "В поле «Масса 1м, кГ» должно стоять положительное число." << 2;
    }
    void aNumberColumnRefusesWhatIsNoNumber()
    {
        QFETCH(QStringList, typed);
        QFETCH(QString, message);
        QFETCH(int, field);
        const SizeEntry::Outcome outcome = entry(RoundSource, Round).accept(typed);
        QVERIFY(!outcome.row);
        QCOMPARE(outcome.message, message);
        QCOMPARE(outcome.field, field);
        // The same words in columns the base fills with words are taken as typed.
        const SizeEntry::Outcome words = entry(RoundSource, Round, {}, {0, 1}).accept(typed);
        QCOMPARE(bool(words.row), field != 2);
    }

    void aColumnOfWordsKeepsItsComma()
    {
        // "6,5У" is a channel number, not six and a half.
        const SizeEntry e = entry(QStringLiteral("швеллер"), Channel, {}, {0});
        const SizeEntry::Outcome outcome = e.accept({"6,5", "65", "5,9"});
        QVERIFY(outcome.row);
        QCOMPARE(*outcome.row, (QStringList{"6,5", "65", "5.9"}));
    }

    void aChangedRowKeepsWhatHasNoField()
    {
        const SizeEntry e = entry(RoundSource, Round, {"10", "0.785", "0.617", "7"});
        QCOMPARE(e.startText(2), QStringLiteral("0.617"));
        const SizeEntry::Outcome outcome = e.accept({"11", "", "0.746"});
        QVERIFY(outcome.row);
        QCOMPARE(*outcome.row, (QStringList{"11", "", "0.746", "7"}));
    }

    void aRefusedRowNamesTheField()
    {
        const SizeEntry::Outcome outcome = entry(RoundSource, Round).accept({"10", "0.785", "ноль"});
        QVERIFY(!outcome.row);
        QCOMPARE(outcome.message, QStringLiteral("В поле «Масса 1м, кГ» должно стоять положительное число."));
        QCOMPARE(outcome.field, 2);
        QCOMPARE(entry(RoundSource, Round).accept({"", "", ""}).field, -1);
    }

    // Words are found in the base's rows only, and only where a cell is no plain number.
    void columnsOfWords()
    {
        RecordSetModel records;
        records.reset({"Номер", "h", "Масса 1 м, кг"},
                      {{"5У", "50", "4.84"}, {"8", "80", "7.05"}, {"10", "100", "слово"}}, 2);
        const RecordSource channel = *RecordSource::parse(QStringLiteral("швеллер"));
        QCOMPARE(SizeEntry::textColumns(records, channel, Channel), QSet<int>{0});

        // A table read in part: the shown columns stand for their places in the table.
        RecordSetModel round;
        round.reset({"Диаметр, мм", "Масса 1м, кГ"}, {{"10", "нет"}});
        QCOMPARE(SizeEntry::textColumns(round, *RecordSource::parse(RoundSource), Round), QSet<int>{2});
    }
};

QTEST_APPLESS_MAIN(TestSizeEntry)
#include "tst_sizeentry.moc"
