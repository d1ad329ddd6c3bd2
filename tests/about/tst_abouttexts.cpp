// The texts of the About window and the rebuilding of its stored literal.

#include "about/abouttexts.h"

#include <QTest>

class TestAboutTexts : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void unscramble_data()
    {
        QTest::addColumn<QString>("literal");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("result");
        // Codes are those of Windows-1251: А 192, Б 193, ю 254, я 255.
        QTest::newRow("the position is added") << QStringLiteral("AAA") << true << QStringLiteral("BCD");
        QTest::newRow("listed codes get one") << QStringLiteral("/1!9") << true << QStringLiteral("02\":");
        QTest::newRow("code 31 becomes a blank") << QStringLiteral("\x1F\x1F") << true << QStringLiteral("  ");
        QTest::newRow("cyrillic letter") << QStringLiteral("А") << true << QStringLiteral("Б");
        QTest::newRow("up to 255 is kept") << QStringLiteral("ю") << true << QStringLiteral("я");
        QTest::newRow("256 at the first position fails") << QStringLiteral("я") << false << QString();
        QTest::newRow("256 at the second position fails") << QStringLiteral("аю") << false << QString();
        QTest::newRow("a character outside the code page counts as ?") << QStringLiteral("中") << true << QStringLiteral("@");
        QTest::newRow("empty") << QString() << true << QString();
    }
    void unscramble()
    {
        QFETCH(QString, literal);
        QFETCH(bool, ok);
        const std::optional<QString> result = AboutTexts::UnscrambleText(literal);
        QCOMPARE(result.has_value(), ok);
        if (ok)
            QTEST(*result, "result");
    }

    void windows1251RoundTrip_data()
    {
        QTest::addColumn<QString>("character");
        QTest::addColumn<int>("code");
        QTest::newRow("Ё") << QStringLiteral("Ё") << 0xA8;
        QTest::newRow("ё") << QStringLiteral("ё") << 0xB8;
        QTest::newRow("№") << QStringLiteral("№") << 0xB9;
        QTest::newRow("©") << QStringLiteral("©") << 0xA9;
        QTest::newRow("А") << QStringLiteral("А") << 0xC0;
        QTest::newRow("я") << QStringLiteral("я") << 0xFF;
        QTest::newRow("«") << QStringLiteral("«") << 0xAB;
    }
    void windows1251RoundTrip()
    {
        QFETCH(QString, character);
        QFETCH(int, code);
        QCOMPARE(AboutTexts::windows1251Code(character.at(0)), code);
        QCOMPARE(AboutTexts::fromWindows1251(code), character.at(0));
    }

    void noticeHasItsParts()
    {
        const QString notice = AboutTexts::notice();
        QCOMPARE(notice.size(), 320);
        QCOMPARE(notice.mid(209, 14), QStringLiteral("info@m.example"));
        QVERIFY(notice.startsWith(QStringLiteral(" . . .")));
        QVERIFY(notice.endsWith(QStringLiteral(". . .")));
    }

    void informationTextNamesTheSite()
    {
        QCOMPARE(AboutTexts::informationText(),
                 QStringLiteral("Калькулятор массы металлопроката, арматурных изделий. Версия 2.0. На сайте "
                                "www.morvex.example вы сможете найти много программ для строителей-проектировщиков"));
    }
};

QTEST_APPLESS_MAIN(TestAboutTexts)
#include "tst_abouttexts.moc"
