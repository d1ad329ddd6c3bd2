// Own rows in the record set: after the base's rows, projected onto the record source's
// columns, marked for the grid.

#include "catalogue/datasource.h"
#include "catalogue/recordsource.h"
#include "programfixture.h"

#include <QColor>
#include <QTest>

namespace {

struct Supplied
{
    QString table;
    QStringList columns;
    int baseRows = -1;
};

} // namespace

class TestOwnRows : public QObject
{
    Q_OBJECT

private:
    ProgramFixture m_fixture;

    QList<QStringList> rows(const RecordSetModel &records)
    {
        QList<QStringList> all;
        for (int r = 0; r < records.rowCount(); ++r) {
            QStringList row;
            for (int c = 0; c < records.columnCount(); ++c)
                row.append(records.cell(r, c));
            all.append(row);
        }
        return all;
    }

private Q_SLOTS:
    void initTestCase()
    {
        using T = ProgramFixture::Table;
        m_fixture.writeBase({
            T{"уголок", {"b, мм", "t, мм", "Масса 1 м, кг"}, {{"50", "5", "3.77"}, {"45", "4", "2.73"}}},
            T{"Прокат круглый", {"Диаметр, мм", "Площадь", "Масса 1м, кГ", "index"},
              {{"12", "1.131", "0.888", "3"}, {"10", "0.785", "0.617", "1"}}},
            T{"Болты В", {"Диаметр резьбы, мм", "Длина болта, мм", "Масса"}, {{"12", "60", "70"}, {"10", "40", "30"}}},
            T{"z профиль", {"h, мм", "Масса 1 м, кг"}, {}},
        });
    }

    void ownRowsFollowTheBaseRows_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QList<QStringList>>("own"); // full table rows, as the file holds them
        QTest::addColumn<QStringList>("tableColumns");
        QTest::addColumn<QList<QStringList>>("shown");
        QTest::newRow("a whole table")
            << "уголок" << QList<QStringList>{{"40", "3", "1.85"}, {"63", "5", "4.81"}}
            << QStringList{"b, мм", "t, мм", "Масса 1 м, кг"}
            << QList<QStringList>{{"50", "5", "3.77"}, {"45", "4", "2.73"}, {"40", "3", "1.85"}, {"63", "5", "4.81"}};
        // The own rows keep their place after the ordered rows, whatever their index.
        QTest::newRow("two selected columns, ordered")
            << "select [Диаметр, мм], [Масса 1м, кГ] from [Прокат круглый] order by index"
            << QList<QStringList>{{"11", "0.95", "0.746", "0"}, {"9", "", "0.499", ""}}
            << QStringList{"Диаметр, мм", "Площадь", "Масса 1м, кГ", "index"}
            << QList<QStringList>{{"10", "0.617"}, {"12", "0.888"}, {"11", "0.746"}, {"9", "0.499"}};
        QTest::newRow("every column, ordered by two")
            << "select * from [Болты В] order by [Диаметр резьбы, мм], [Длина болта, мм]"
            << QList<QStringList>{{"8", "30", "15"}}
            << QStringList{"Диаметр резьбы, мм", "Длина болта, мм", "Масса"}
            << QList<QStringList>{{"10", "40", "30"}, {"12", "60", "70"}, {"8", "30", "15"}};
        QTest::newRow("an empty table") << "z профиль" << QList<QStringList>{{"200", "9.6"}}
                                        << QStringList{"h, мм", "Масса 1 м, кг"} << QList<QStringList>{{"200", "9.6"}};
    }
    void ownRowsFollowTheBaseRows()
    {
        QFETCH(QString, source);
        QFETCH(QList<QStringList>, own);
        QFETCH(QStringList, tableColumns);
        QFETCH(QList<QStringList>, shown);
        DataSource data;
        Supplied supplied;
        data.setExtraRows([&](const QString &table, const QStringList &columns, int baseRows) {
            supplied = {table, columns, baseRows};
            return own;
        });
        data.setDatabaseName(m_fixture.file(QStringLiteral("base.mdb")));
        data.setRecordSource(source);
        QString error;
        QVERIFY2(data.Refresh(&error), qPrintable(error));
        const RecordSetModel &records = *data.records();
        QCOMPARE(rows(records), shown);
        QCOMPARE(supplied.table, RecordSource::parse(source)->table);
        QCOMPARE(supplied.columns, tableColumns);
        QCOMPARE(supplied.baseRows, int(shown.size() - own.size()));
        QCOMPARE(records.baseRowCount(), supplied.baseRows);
        for (int r = 0; r < records.rowCount(); ++r)
            QCOMPARE(records.isOwnRow(r), r >= supplied.baseRows);
    }

    // Marked by background and tooltip; the base's rows are not, and the columns stay.
    void ownRowsAreMarked()
    {
        DataSource data;
        data.setExtraRows([](const QString &, const QStringList &, int) {
            return QList<QStringList>{{"40", "3", "1.85"}};
        });
        data.setDatabaseName(m_fixture.file(QStringLiteral("base.mdb")));
        data.setRecordSource(QStringLiteral("уголок"));
        QVERIFY(data.Refresh());
        const RecordSetModel &records = *data.records();
        QCOMPARE(records.columnCount(), 3);
        QCOMPARE(records.headerData(2, Qt::Horizontal).toString(), QStringLiteral("Масса 1 м, кг"));
        for (int c = 0; c < 3; ++c) {
            QCOMPARE(records.data(records.index(2, c), Qt::ToolTipRole).toString(), QStringLiteral("Свой размер"));
            QCOMPARE(records.data(records.index(2, c), Qt::BackgroundRole).value<QColor>(), QColor(255, 255, 200));
            QVERIFY(!records.data(records.index(1, c), Qt::ToolTipRole).isValid());
            QVERIFY(!records.data(records.index(1, c), Qt::BackgroundRole).isValid());
        }
        QCOMPARE(records.cell(2, 2), QStringLiteral("1.85"));
    }

    void withoutOwnRowsEveryRowIsTheBases()
    {
        DataSource data;
        data.setDatabaseName(m_fixture.file(QStringLiteral("base.mdb")));
        data.setRecordSource(QStringLiteral("уголок"));
        QVERIFY(data.Refresh());
        QCOMPARE(data.records()->baseRowCount(), 2);
        QVERIFY(!data.records()->isOwnRow(1));
        QVERIFY(!data.records()->isOwnRow(2));
    }
};

QTEST_MAIN(TestOwnRows)
#include "tst_ownrows.moc"
