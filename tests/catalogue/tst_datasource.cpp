#include "catalogue/catalogue.h"
#include "catalogue/datasource.h"
#include "catalogue/partialtables.h"
#include "catalogue/recordsource.h"

#include <QFile>
#include <QRandomGenerator>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

namespace {

// A small base made by the test: tables named and shaped like the program's, rows stored out
// of order so that orderings show.
class FixtureBase
{
public:
    FixtureBase()
    {
        path = dir.filePath(QStringLiteral("base.mdb"));
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("fixture"));
            db.setDatabaseName(path);
            db.open();
            QSqlQuery q(db);
            q.exec(QStringLiteral("CREATE TABLE \"двутавр\" (\"Номер\", \"h, мм\", \"Масса 1 м, кг\")"));
            q.exec(QStringLiteral("INSERT INTO \"двутавр\" VALUES ('20', 200, '21.0'), ('10', 100, '9.46'), ('12', 120, '11.5')"));
            q.exec(QStringLiteral("CREATE TABLE \"Прокат круглый\" (\"Диаметр, мм\", \"Площадь\", \"Масса 1м, кГ\", \"index\")"));
            q.exec(QStringLiteral("INSERT INTO \"Прокат круглый\" VALUES (6, '0.283', '0.222', 2), ('5.5', '0.238', '0.186', 1), (10, '0.785', '0.617', 3)"));
            q.exec(QStringLiteral("CREATE TABLE \"швеллер гнутый\" (\"h, мм\", \"b, мм\", \"s, мм\", \"Масса 1м, кг\", \"ОАО \"\"ММК\"\"\", \"index\")"));
            q.exec(QStringLiteral("INSERT INTO \"швеллер гнутый\" VALUES (25, 26, 2, '0.95', '+', 1)"));
            q.exec(QStringLiteral("CREATE TABLE \"Болты В\" (\"Диаметр резьбы, мм\", \"Длина болта, мм\", \"Масса\")"));
            q.exec(QStringLiteral("INSERT INTO \"Болты В\" VALUES (12, 60, 'c'), (10, 80, 'b'), (12, 40, 'd'), (10, 20, 'a')"));
            q.exec(QStringLiteral("CREATE TABLE \"трубы\" (\"D, мм\", \"s, мм\", \"Масса\")"));
            db.transaction();
            for (int i = 0; i < 1000; ++i)
                q.exec(QStringLiteral("INSERT INTO \"трубы\" VALUES (%1, 2, '%2')").arg(1000 - i).arg(i));
            db.commit();
            db.close();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("fixture"));
    }

    QTemporaryDir dir;
    QString path;
};

QStringList headers(const RecordSetModel &model)
{
    QStringList names;
    for (int i = 0; i < model.columnCount(); ++i)
        names.append(model.headerData(i, Qt::Horizontal).toString());
    return names;
}

QStringList column(const RecordSetModel &model, int c)
{
    QStringList cells;
    for (int r = 0; r < model.rowCount(); ++r)
        cells.append(model.cell(r, c));
    return cells;
}

} // namespace

class TestDataSource : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void readsTheRecordSourceForms_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("table");
        QTest::addColumn<QStringList>("columns");
        QTest::addColumn<QStringList>("orderBy");
        QTest::newRow("bare table name") << "Труба квадратная" << "Труба квадратная" << QStringList{} << QStringList{};
        QTest::newRow("columns ordered by a bare word")
            << "select [Диаметр, мм], [Масса 1м, кГ] from [Прокат круглый] order by index"
            << "Прокат круглый" << QStringList{"Диаметр, мм", "Масса 1м, кГ"} << QStringList{"index"};
        QTest::newRow("quotes inside a bracketed name")
            << "select [h, мм], [ОАО \"ММК\"] from [швеллер гнутый] order by index"
            << "швеллер гнутый" << QStringList{"h, мм", "ОАО \"ММК\""} << QStringList{"index"};
        QTest::newRow("star ordered by two columns")
            << "select * from [Болты В] order by [Диаметр резьбы, мм], [Длина болта, мм]"
            << "Болты В" << QStringList{} << QStringList{"Диаметр резьбы, мм", "Длина болта, мм"};
        QTest::newRow("bare column in the list")
            << "select [Толщина а, мм], ГОСТ from [лист гладкий] order by index"
            << "лист гладкий" << QStringList{"Толщина а, мм", "ГОСТ"} << QStringList{"index"};
        QTest::newRow("keywords in any case") << "SELECT * FROM [шпунт]" << "шпунт" << QStringList{}
                                              << QStringList{};
    }
    void readsTheRecordSourceForms()
    {
        QFETCH(QString, text);
        QFETCH(QString, table);
        QFETCH(QStringList, columns);
        QFETCH(QStringList, orderBy);
        const auto source = RecordSource::parse(text);
        QVERIFY(source);
        QCOMPARE(source->table, table);
        QCOMPARE(source->columns, columns);
        QCOMPARE(source->orderBy, orderBy);
    }

    void refusesOtherForms_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("empty") << "";
        QTest::newRow("blank") << "   ";
        QTest::newRow("unclosed bracket") << "select [a from [t]";
        QTest::newRow("no table") << "select [a] from";
        QTest::newRow("where clause") << "select * from [t] where [a] = 1";
        QTest::newRow("second statement") << "select * from [t]; drop table [t]";
        QTest::newRow("three order columns") << "select * from [t] order by [a], [b], [c]";
        QTest::newRow("join") << "select * from [t], [u]";
        QTest::newRow("order without by") << "select * from [t] order [a]";
        QTest::newRow("empty brackets") << "select [] from [t]";
        QTest::newRow("bracket in a bare name") << "шпунт]";
    }
    void refusesOtherForms()
    {
        QFETCH(QString, text);
        QVERIFY(!RecordSource::parse(text));
    }

    void quotesEveryIdentifierForSqlite()
    {
        const auto source = RecordSource::parse(
            QStringLiteral("select [ОАО \"ММК\"], [index] from [швеллер гнутый] order by index"));
        QVERIFY(source);
        QCOMPARE(source->toSqlite(),
                 QStringLiteral("SELECT \"ОАО \"\"ММК\"\"\", \"index\" FROM \"швеллер гнутый\" ORDER BY \"index\", rowid"));
    }

    void wholeTableComesInStoredOrder()
    {
        FixtureBase base;
        DataSource source;
        QVERIFY(source.setDatabaseName(base.path));
        source.setRecordSource(QStringLiteral("двутавр"));
        QVERIFY(source.Refresh());
        QCOMPARE(headers(*source.records()), (QStringList{"Номер", "h, мм", "Масса 1 м, кг"}));
        QCOMPARE(column(*source.records(), 0), (QStringList{"20", "10", "12"}));
        // Figures come as stored, trailing zeros included.
        QCOMPARE(source.records()->cell(0, 2), QStringLiteral("21.0"));
    }

    void selectedColumnsComeSortedByIndex()
    {
        FixtureBase base;
        DataSource source;
        QVERIFY(source.setDatabaseName(base.path));
        source.setRecordSource(QStringLiteral(
            "select [Диаметр, мм], [Масса 1м, кГ] from [Прокат круглый] order by index"));
        QVERIFY(source.Refresh());
        QCOMPARE(headers(*source.records()), (QStringList{"Диаметр, мм", "Масса 1м, кГ"}));
        QCOMPARE(column(*source.records(), 0), (QStringList{"5.5", "6", "10"}));
        QCOMPARE(column(*source.records(), 1), (QStringList{"0.186", "0.222", "0.617"}));
    }

    void switchingRecordSourcesReplacesTheColumns()
    {
        FixtureBase base;
        DataSource source;
        QVERIFY(source.setDatabaseName(base.path));
        source.setRecordSource(QStringLiteral("двутавр"));
        QVERIFY(source.Refresh());
        source.setRecordSource(QStringLiteral(
            "select [Диаметр, мм], [Масса 1м, кГ] from [Прокат круглый] order by index"));
        QVERIFY(source.Refresh());
        QCOMPARE(source.records()->columnCount(), 2);
        source.setRecordSource(QStringLiteral("двутавр"));
        QVERIFY(source.Refresh());
        QCOMPARE(source.records()->columnCount(), 3);
    }

    void headerKeepsQuotesOfItsName()
    {
        FixtureBase base;
        DataSource source;
        QVERIFY(source.setDatabaseName(base.path));
        source.setRecordSource(QStringLiteral(
            "select [h, мм], [b, мм], [s, мм], [Масса 1м, кг], [ОАО \"ММК\"] from [швеллер гнутый] order by index"));
        QVERIFY(source.Refresh());
        QCOMPARE(headers(*source.records()).last(), QStringLiteral("ОАО \"ММК\""));
        QCOMPARE(source.records()->cell(0, 4), QStringLiteral("+"));
    }

    void boltsComeSortedByDiameterThenLength()
    {
        FixtureBase base;
        DataSource source;
        QVERIFY(source.setDatabaseName(base.path));
        source.setRecordSource(QStringLiteral(
            "select * from [Болты В] order by [Диаметр резьбы, мм], [Длина болта, мм]"));
        QVERIFY(source.Refresh());
        QCOMPARE(column(*source.records(), 2), (QStringList{"a", "b", "d", "c"}));
    }

    void everyRowIsRead()
    {
        FixtureBase base;
        DataSource source;
        QVERIFY(source.setDatabaseName(base.path));
        source.setRecordSource(QStringLiteral("трубы"));
        QVERIFY(source.Refresh());
        QCOMPARE(source.records()->rowCount(), 1000);
        QCOMPARE(source.records()->cell(999, 2), QStringLiteral("999"));
    }

    void modelIsReadOnly()
    {
        FixtureBase base;
        DataSource source;
        QVERIFY(source.setDatabaseName(base.path));
        source.setRecordSource(QStringLiteral("двутавр"));
        QVERIFY(source.Refresh());
        RecordSetModel *model = source.records();
        const QModelIndex cell = model->index(0, 0);
        QVERIFY(!(model->flags(cell) & Qt::ItemIsEditable));
        QVERIFY(!model->setData(cell, QStringLiteral("x")));
        QVERIFY(!model->insertRow(0));
        QVERIFY(!model->removeRow(0));
        QCOMPARE(model->cell(0, 0), QStringLiteral("20"));
    }

    void failures_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("recordSource");
        QTest::newRow("missing file") << "missing" << "двутавр";
        QTest::newRow("random bytes") << "random" << "двутавр";
        QTest::newRow("empty file") << "empty" << "двутавр";
        QTest::newRow("missing table") << "fixture" << "уголок";
        QTest::newRow("missing column") << "fixture" << "select [Нет такого] from [двутавр]";
        QTest::newRow("missing ordering column") << "fixture" << "select * from [двутавр] order by index";
        QTest::newRow("record source of another form") << "fixture" << "select * from [двутавр] where 1";
    }
    void failures()
    {
        QFETCH(QString, file);
        QFETCH(QString, recordSource);
        FixtureBase base;
        QString path = base.path;
        if (file == QStringLiteral("missing")) {
            path = base.dir.filePath(QStringLiteral("none/base.mdb"));
        } else if (file == QStringLiteral("random")) {
            path = base.dir.filePath(QStringLiteral("random.mdb"));
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            QByteArray bytes(4096, '\0');
            for (char &b : bytes)
                b = char(QRandomGenerator::global()->bounded(256));
            f.write(bytes);
        } else if (file == QStringLiteral("empty")) {
            path = base.dir.filePath(QStringLiteral("empty.mdb"));
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
        }
        const QByteArray before = QFile::exists(path) ? [&] { QFile f(path); f.open(QIODevice::ReadOnly); return f.readAll(); }() : QByteArray();

        DataSource source;
        QVERIFY(source.setDatabaseName(path));
        source.setRecordSource(recordSource);
        QString error;
        QVERIFY(!source.Refresh(&error));
        QVERIFY(!error.isEmpty());
        QCOMPARE(source.records()->rowCount(), 0);
        // The file is never created, written or repaired.
        if (file == QStringLiteral("missing")) {
            QVERIFY(!QFile::exists(path));
        } else {
            QFile f(path);
            QVERIFY(f.open(QIODevice::ReadOnly));
            QCOMPARE(f.readAll(), before);
        }
    }

    // The base's word on a table that holds only part of its standard, for the table of the
    // record source, whatever its form; nothing with a base that has no such list, and nothing
    // left over from the last table after a refresh that failed.
    void partialNoteOfTheRecordSourcesTable_data()
    {
        QTest::addColumn<bool>("withList");
        QTest::addColumn<QString>("recordSource");
        QTest::addColumn<bool>("refreshed");
        QTest::addColumn<QString>("note");
        QTest::newRow("whole table marked") << true << "двутавр" << true << "ГОСТ 8239-89: 3 размера, не все";
        QTest::newRow("table of an SQL text marked")
            << true << "select [Диаметр, мм], [Масса 1м, кГ] from [Прокат круглый] order by index" << true
            << "ГОСТ 2590-2006: 3 диаметра, не все";
        QTest::newRow("table not marked") << true << "Болты В" << true << "";
        QTest::newRow("base without the list") << false << "двутавр" << true << "";
        QTest::newRow("refresh that failed") << true << "нет такой" << false << "";
    }
    void partialNoteOfTheRecordSourcesTable()
    {
        QFETCH(bool, withList);
        QFETCH(QString, recordSource);
        QFETCH(bool, refreshed);
        QFETCH(QString, note);
        FixtureBase fixture;
        if (withList) {
            {
                QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("list"));
                db.setDatabaseName(fixture.path);
                db.open();
                QSqlQuery q(db);
                q.exec(QStringLiteral("CREATE TABLE \"%1\" (\"%2\", \"%3\")")
                           .arg(QString::fromUtf8(PartialTables::Table), QString::fromUtf8(PartialTables::NameColumn),
                                QString::fromUtf8(PartialTables::TextColumn)));
                QVERIFY(q.exec(QStringLiteral("INSERT INTO \"%1\" VALUES ('двутавр', 'ГОСТ 8239-89: 3 размера, не все'), "
                                              "('Прокат круглый', 'ГОСТ 2590-2006: 3 диаметра, не все')")
                                   .arg(QString::fromUtf8(PartialTables::Table))));
                db.close();
            }
            QSqlDatabase::removeDatabase(QStringLiteral("list"));
        }
        DataSource source;
        QVERIFY(source.setDatabaseName(fixture.path));
        // A marked table first, so that a note left over would show.
        source.setRecordSource(QStringLiteral("двутавр"));
        QVERIFY(source.Refresh());
        source.setRecordSource(recordSource);
        QCOMPARE(source.Refresh(), refreshed);
        QCOMPARE(source.PartialNote(), note);
    }

    // Every record source of the catalogue runs against the built base and yields the columns
    // it names, in order; whole tables have the column a kind reads its unit mass from.
    void catalogueRunsAgainstTheBuiltBase_data()
    {
        QTest::addColumn<QString>("recordSource");
        QTest::addColumn<int>("massColumn");
        for (const Catalogue::Kind &kind : Catalogue::kinds())
            QTest::addRow("T%d %d %s", kind.toolbar, kind.button, kind.title)
                << QString::fromUtf8(kind.recordSource) << int(kind.massColumn);
    }
    void catalogueRunsAgainstTheBuiltBase()
    {
        QFETCH(QString, recordSource);
        QFETCH(int, massColumn);
        DataSource source;
        QVERIFY(source.setDatabaseName(QStringLiteral(MORVEX_PROGRAM_DIR "base.mdb")));
        source.setRecordSource(recordSource);
        QString error;
        QVERIFY2(source.Refresh(&error), qPrintable(error));
        const auto parsed = RecordSource::parse(recordSource);
        if (!parsed->columns.isEmpty())
            QCOMPARE(headers(*source.records()), parsed->columns);
        QVERIFY(source.records()->columnCount() > qMax(massColumn, 1));
    }
};

QTEST_GUILESS_MAIN(TestDataSource)
#include "tst_datasource.moc"
