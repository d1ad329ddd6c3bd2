// The file system's case rule and the directory the program records.

#include "platform/filenamecase.h"

#include <QTest>

using namespace Qt::StringLiterals;
using Rule = FileNameCase::Rule;

Q_DECLARE_METATYPE(FileNameCase::Rule)

class TestFileNameCase : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void thisSystem()
    {
#ifdef Q_OS_WIN
        QCOMPARE(FileNameCase::ofThisSystem(), Rule::Insensitive);
#else
        QCOMPARE(FileNameCase::ofThisSystem(), Rule::Sensitive);
#endif
    }

    void recorded_data()
    {
        QTest::addColumn<QString>("directory");
        QTest::addColumn<Rule>("rule");
        QTest::addColumn<QString>("recorded");
        QTest::newRow("capitals kept where case counts") << u"/opt/Morvex Calc/"_s << Rule::Sensitive
                                                         << u"/opt/Morvex Calc/"_s;
        QTest::newRow("Cyrillic capitals kept") << u"/opt/Сталь/"_s << Rule::Sensitive << u"/opt/Сталь/"_s;
        QTest::newRow("lower-cased where case does not count") << u"C:\\Morvex Calc\\"_s << Rule::Insensitive
                                                               << u"c:\\morvex calc\\"_s;
        QTest::newRow("Cyrillic lower-cased") << u"C:\\Сталь\\"_s << Rule::Insensitive << u"c:\\сталь\\"_s;
    }
    void recorded()
    {
        QFETCH(QString, directory);
        QFETCH(Rule, rule);
        QTEST(FileNameCase::recorded(directory, rule), "recorded");
    }

    void same_data()
    {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<Rule>("rule");
        QTest::addColumn<bool>("same");
        QTest::newRow("equal") << u"/opt/m/"_s << u"/opt/m/"_s << Rule::Sensitive << true;
        QTest::newRow("case apart where it counts") << u"/opt/M/"_s << u"/opt/m/"_s << Rule::Sensitive << false;
        QTest::newRow("case alike where it does not") << u"C:\\M\\"_s << u"c:\\m\\"_s << Rule::Insensitive << true;
        QTest::newRow("Cyrillic case alike") << u"C:\\СТАЛЬ\\"_s << u"c:\\сталь\\"_s << Rule::Insensitive << true;
        QTest::newRow("other letters apart") << u"C:\\M\\"_s << u"C:\\N\\"_s << Rule::Insensitive << false;
    }
    void same()
    {
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(Rule, rule);
        QTEST(FileNameCase::same(a, b, rule), "same");
    }
};

QTEST_APPLESS_MAIN(TestFileNameCase)
#include "tst_filenamecase.moc"
