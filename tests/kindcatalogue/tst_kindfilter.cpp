// What the kinds' catalogue finds for what is typed.

#include "kindcatalogue/kindfilter.h"

#include <QTest>

class TestKindFilter : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The text typed and the identities of the kinds it finds, in the catalogue's order.
    void finds_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("found");
        const auto ids = [](std::initializer_list<const char *> list) {
            QStringList result;
            for (const char *id : list)
                result.append(QString::fromLatin1(id));
            return result;
        };
        QTest::newRow("standard's number") << QStringLiteral("30245") << ids({"profile-tube"});
        QTest::newRow("name in lower case") << QStringLiteral("полоса") << ids({"flat-bar"});
        QTest::newRow("number of a ГОСТ Р") << QStringLiteral("57837") << ids({"i-beam-57837"});
        QTest::newRow("name in capitals") << QStringLiteral("ДВУТАВР") << ids({"i-beam", "i-beam-57837"});
        QTest::newRow("designation as written") << QStringLiteral("ГОСТ Р 52646-2006") << ids({"hs-washer"});
        QTest::newRow("start of a number") << QStringLiteral("гост р 5264") << ids({"hs-bolt", "hs-nut", "hs-washer"});
        QTest::newRow("two words, both needed") << QStringLiteral("болт высокопрочн") << ids({"hs-bolt"});
        QTest::newRow("a standard of two kinds") << QStringLiteral("5781-82") << ids({"rebar", "rebar-a1"});
        QTest::newRow("the button's name") << QStringLiteral("Труба бесшовная") << ids({"seamless-pipe"});
        QTest::newRow("the group's name") << QStringLiteral("лист") << ids({"ribbed-sheet", "sheet"});
        QTest::newRow("nothing found") << QStringLiteral("12345") << QStringList();
    }
    void finds()
    {
        QFETCH(QString, typed);
        QFETCH(QStringList, found);
        const KindFilter filter(typed);
        QStringList ids;
        for (const Catalogue::Kind &kind : Catalogue::kinds())
            if (filter.matches(kind))
                ids.append(kind.id);
        QCOMPARE(ids, found);
    }

    void nothingTypedFindsEveryKind()
    {
        for (const QString &typed : {QString(), QStringLiteral("  "), QStringLiteral(" , ")}) {
            const KindFilter filter(typed);
            QVERIFY(filter.isEmpty());
            for (const Catalogue::Kind &kind : Catalogue::kinds())
                QVERIFY(filter.matches(kind));
        }
    }

    // ё and е are one letter to the filter.
    void yoIsYe()
    {
        const Catalogue::Kind &mesh = *Catalogue::find(QStringLiteral("woven-mesh"));
        QVERIFY(KindFilter(QStringLiteral("плетёные")).matches(mesh));
        QVERIFY(KindFilter(QStringLiteral("плетеные")).matches(mesh));
    }
};

QTEST_APPLESS_MAIN(TestKindFilter)
#include "tst_kindfilter.moc"
