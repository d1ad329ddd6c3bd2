#include "calc/formatmass.h"
#include "calc/readnumber.h"

#include <QTest>

#include <cmath>

// Reading and writing numbers: the lenient reading of inputs and cells, and the result patterns.
class TestNumbers : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void readNumber_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::newRow("integer") << "6000" << 6000.0;
        QTest::newRow("decimal point") << "6.5" << 6.5;
        QTest::newRow("comma stops the number") << "6,5" << 6.0;
        QTest::newRow("blank inside is dropped") << "6 500" << 6500.0;
        QTest::newRow("tab and line feed dropped") << "1\t2\n3" << 123.0;
        QTest::newRow("trailing letters") << "12abc" << 12.0;
        QTest::newRow("letters only") << "abc" << 0.0;
        QTest::newRow("empty") << "" << 0.0;
        QTest::newRow("lone point") << "." << 0.0;
        QTest::newRow("leading point") << ".5" << 0.5;
        QTest::newRow("trailing point") << "5." << 5.0;
        QTest::newRow("second point stops") << "1.2.3" << 1.2;
        QTest::newRow("minus") << "-2.5" << -2.5;
        QTest::newRow("plus") << "+7" << 7.0;
        QTest::newRow("sign alone") << "-" << 0.0;
        QTest::newRow("double sign") << "--5" << 0.0;
        QTest::newRow("sign after blank") << " - 4" << -4.0;
        QTest::newRow("exponent E") << "1.5E3" << 1500.0;
        QTest::newRow("exponent e negative") << "25e-1" << 2.5;
        QTest::newRow("exponent D") << "2D2" << 200.0;
        QTest::newRow("exponent d plus") << "3d+1" << 30.0;
        QTest::newRow("exponent without digits") << "4e" << 4.0;
        QTest::newRow("exponent sign without digits") << "4e-x" << 4.0;
        QTest::newRow("carriage return dropped") << "1\r2" << 12.0;
        QTest::newRow("pasted line end dropped") << "6000\r\n" << 6000.0;
        QTest::newRow("carriage return before the exponent") << "2\re\r3" << 2000.0;
        QTest::newRow("tiny underflows to zero") << "1e-400" << 0.0;
        QTest::newRow("many leading zeros") << "000012.50" << 12.5;
        QTest::newRow("non-ASCII digit stops") << QString::fromUtf8("7٣") << 7.0;
    }
    void readNumber()
    {
        QFETCH(QString, text);
        QFETCH(double, value);
        QCOMPARE(ReadNumber(text), value);
    }

    // A text without a leading number is told from a 0.
    void readLeadingNumber_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("hasNumber");
        QTest::addColumn<double>("value");
        QTest::newRow("zero") << "0" << true << 0.0;
        QTest::newRow("zero point") << "0." << true << 0.0;
        QTest::newRow("number before letters") << "12.5*" << true << 12.5;
        QTest::newRow("empty") << "" << false << 0.0;
        QTest::newRow("blanks and a line end") << " \t\r\n" << false << 0.0;
        QTest::newRow("a dash") << QString::fromUtf8("—") << false << 0.0;
        QTest::newRow("sign alone") << "-" << false << 0.0;
        QTest::newRow("lone point") << "." << false << 0.0;
        QTest::newRow("exponent alone") << "e5" << false << 0.0;
    }
    void readLeadingNumber()
    {
        QFETCH(QString, text);
        QFETCH(bool, hasNumber);
        QFETCH(double, value);
        const std::optional<double> number = ReadLeadingNumber(text);
        QCOMPARE(number.has_value(), hasNumber);
        if (number)
            QCOMPARE(*number, value);
        QCOMPARE(ReadNumber(text), value);
    }

    void readNumberTooLargeIsInfinite_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("negative");
        QTest::newRow("exponent") << "1e400" << false;
        QTest::newRow("negative exponent form") << "-2.5D309" << true;
        QTest::newRow("many digits") << QString(400, QLatin1Char('9')) << false;
        QTest::newRow("huge exponent digits") << "1e99999999999999999999" << false;
    }
    void readNumberTooLargeIsInfinite()
    {
        QFETCH(QString, text);
        QFETCH(bool, negative);
        const double value = ReadNumber(text);
        QVERIFY(std::isinf(value));
        QCOMPARE(value < 0, negative);
    }

    void readInputNumber_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::newRow("comma as separator") << "6,5" << 6.5;
        QTest::newRow("only the first comma") << "6,5,1" << 6.5;
        QTest::newRow("leading comma") << ",5" << 0.5;
        QTest::newRow("point still works") << "6.5" << 6.5;
        QTest::newRow("comma after a point") << "1.5,5" << 1.5;
        QTest::newRow("blank") << "6 500" << 6500.0;
    }
    void readInputNumber()
    {
        QFETCH(QString, text);
        QFETCH(double, value);
        QCOMPARE(ReadInputNumber(text), value);
    }

    void formatMass_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("c");
        QTest::addColumn<QString>("russian");
        QTest::newRow("one decimal") << 63.0 << "0.0" << "63.0" << "63,0";
        QTest::newRow("rounds to one decimal") << 0.063 << "0.0" << "0.1" << "0,1";
        QTest::newRow("three decimals") << 0.063 << "0.0##" << "0.063" << "0,063";
        QTest::newRow("optional decimal kept") << 12.346 << "0.0#" << "12.35" << "12,35";
        QTest::newRow("optional decimal dropped") << 12.3 << "0.0#" << "12.3" << "12,3";
        QTest::newRow("required decimal stays") << 12.0 << "0.0#" << "12.0" << "12,0";
        QTest::newRow("trailing zeros dropped") << 1.5 << "0.0##" << "1.5" << "1,5";
        QTest::newRow("zero") << 0.0 << "0.0" << "0.0" << "0,0";
        QTest::newRow("half of 0.0625") << 0.0625 << "0.0##" << "0.063" << "0,063";
        QTest::newRow("half of 2.25") << 2.25 << "0.0" << "2.3" << "2,3";
        QTest::newRow("half of 0.2345") << 0.2345 << "0.0##" << "0.235" << "0,235";
        QTest::newRow("half of 1.005") << 1.005 << "0.0#" << "1.01" << "1,01";
        QTest::newRow("carry into integer") << 9.96 << "0.0" << "10.0" << "10,0";
        QTest::newRow("carry adds a digit") << 999.99 << "0.0" << "1000.0" << "1000,0";
        QTest::newRow("no grouping") << 1234567.891 << "0.0##" << "1234567.891" << "1234567,891";
        QTest::newRow("negative") << -2.25 << "0.0" << "-2.3" << "-2,3";
        // A negative value keeps its sign even when it rounds to zero.
        QTest::newRow("negative below half") << -0.04 << "0.0" << "-0.0" << "-0,0";
        QTest::newRow("negative small below half") << -0.0004 << "0.0##" << "-0.0" << "-0,0";
        QTest::newRow("small below half") << 0.0004 << "0.0##" << "0.0" << "0,0";
        QTest::newRow("small at half") << 0.0005 << "0.0##" << "0.001" << "0,001";
        QTest::newRow("large") << 1.5e20 << "0.0" << "150000000000000000000.0"
                               << "150000000000000000000,0";
        QTest::newRow("15 significant digits") << 0.1 + 0.2 << "0.0##" << "0.3" << "0,3";
    }
    void formatMass()
    {
        QFETCH(double, value);
        QFETCH(QString, pattern);
        QFETCH(QString, c);
        QFETCH(QString, russian);
        QCOMPARE(FormatMass(value, pattern, QLocale::c()), c);
        QCOMPARE(FormatMass(value, pattern, QLocale(QLocale::Russian, QLocale::Russia)), russian);
    }

    void formatMassUsesTheDefaultLocale()
    {
        const QLocale saved;
        QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
        QCOMPARE(FormatMass(126.0, QStringLiteral("0.0")), QStringLiteral("126,0"));
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        QCOMPARE(FormatMass(1260.5, QStringLiteral("0.0")), QStringLiteral("1260.5"));
        QLocale::setDefault(saved);
    }
};

QTEST_GUILESS_MAIN(TestNumbers)
#include "tst_numbers.moc"
