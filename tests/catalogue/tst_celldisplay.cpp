// The size grid shows stored decimals with the regional separator and gives the whole column
// name as the header's tooltip; the cells the mass rules read stay as stored.

#include "catalogue/celldisplay.h"
#include "catalogue/recordsetmodel.h"

#include <QTest>

class TestCellDisplay : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void displayed_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("russian");
        QTest::addColumn<QString>("english");
        QTest::newRow("decimal") << "4.61" << "4,61" << "4.61";
        QTest::newRow("decimals kept") << "12.0" << "12,0" << "12.0";
        QTest::newRow("three decimals") << "0.617" << "0,617" << "0.617";
        QTest::newRow("negative") << "-0.5" << "-0,5" << "-0.5";
        QTest::newRow("integer, no grouping") << "2350" << "2350" << "2350";
        QTest::newRow("profile name") << "20Б1" << "20Б1" << "20Б1";
        QTest::newRow("thread") << "М12" << "М12" << "М12";
        QTest::newRow("angle number") << "2.5/1.6" << "2.5/1.6" << "2.5/1.6";
        QTest::newRow("list of diameters") << "3; 4; 5" << "3; 4; 5" << "3; 4; 5";
        QTest::newRow("tolerance") << "+0.03; -0.09" << "+0.03; -0.09" << "+0.03; -0.09";
        QTest::newRow("point without decimals") << "12." << "12." << "12.";
        QTest::newRow("standard") << "19903-2015" << "19903-2015" << "19903-2015";
        QTest::newRow("empty") << "" << "" << "";
    }
    void displayed()
    {
        QFETCH(QString, stored);
        QFETCH(QString, russian);
        QFETCH(QString, english);
        QCOMPARE(DisplayedCell(stored, QLocale(QLocale::Russian, QLocale::Russia)), russian);
        QCOMPARE(DisplayedCell(stored, QLocale(QLocale::English, QLocale::UnitedStates)), english);
    }

    void modelShowsAndKeeps()
    {
        QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
        RecordSetModel model;
        const QString wall = QStringLiteral("Толщина полки t, мм");
        model.reset({QStringLiteral("Номер"), wall}, {{QStringLiteral("20Б1"), QStringLiteral("8.5")}});
        QCOMPARE(model.data(model.index(0, 1)).toString(), QStringLiteral("8,5"));
        QCOMPARE(model.data(model.index(0, 0)).toString(), QStringLiteral("20Б1"));
        QCOMPARE(model.cell(0, 1), QStringLiteral("8.5"));
        QCOMPARE(model.headerData(1, Qt::Horizontal, Qt::ToolTipRole).toString(), wall);
        QCOMPARE(model.headerData(1, Qt::Horizontal, Qt::DisplayRole).toString(), wall);
        QVERIFY(!model.headerData(0, Qt::Vertical, Qt::ToolTipRole).isValid());
        QLocale::setDefault(QLocale::c());
        QCOMPARE(model.data(model.index(0, 1)).toString(), QStringLiteral("8.5"));
    }
};

QTEST_GUILESS_MAIN(TestCellDisplay)
#include "tst_celldisplay.moc"
