// The own-size file of every table is named like the table's source in data/tables.

#include "catalogue/catalogue.h"
#include "catalogue/csvtable.h"
#include "catalogue/recordsource.h"
#include "ownsizes/tablefiles.h"

#include <QDir>
#include <QSet>
#include <QTest>

class TestTableFiles : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void namedLikeTheSources()
    {
        const QDir tables(QStringLiteral(MORVEX_SOURCE_DIR "data/tables"));
        const QStringList files = tables.entryList({QStringLiteral("*.csv")}, QDir::Files, QDir::Name);
        QVERIFY(!files.isEmpty());
        QSet<QString> named;
        for (const QString &file : files) {
            CsvTable table;
            QString error;
            QVERIFY2(readCsvTable(tables.filePath(file), table, error), qPrintable(error));
            QCOMPARE(OwnSizes::tableFileName(table.name), file);
            named.insert(table.name);
        }
        // And no file name stands for a table the sources lack.
        const QStringList listed = OwnSizes::tablesWithFiles();
        QCOMPARE(QSet<QString>(listed.begin(), listed.end()), named);
        QCOMPARE(OwnSizes::tableFileName(QStringLiteral("z_profil")), QString());
        QCOMPARE(OwnSizes::tableFileName(QStringLiteral("Z профиль")), QString());
    }

    void everyKindsTableHasAFile()
    {
        for (const Catalogue::Kind &kind : Catalogue::kinds()) {
            const auto source = RecordSource::parse(QString::fromUtf8(kind.recordSource));
            QVERIFY(source);
            QVERIFY2(!OwnSizes::tableFileName(source->table).isEmpty(), kind.recordSource);
        }
        QCOMPARE(OwnSizes::tableFileName(QStringLiteral("z профиль")), QStringLiteral("z_profil.csv"));
    }
};

QTEST_APPLESS_MAIN(TestTableFiles)
#include "tst_tablefiles.moc"
