// The list file: its format as a spreadsheet and Python's csv module read it, the list read
// back on the built base with every item recomputable, a damaged file read as far as it can be,
// and the kept list's place and atomic writing.

#include "basefixture.h"
#include "bom/bomcsv.h"
#include "bom/bomdesignation.h"
#include "bom/bomstore.h"
#include "bom/bomtable.h"
#include "externaltools.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <future>
#include <thread>

namespace {

struct Items
{
    BaseFixture base;
    BomItem angle() { return base.item(BaseFixture::kind(2, 10), {"50", "5"}, {0, 6000, 10, 0}); }
    BomItem bolt() { return base.item(BaseFixture::kind(4, 8), {"12", "60"}, {0, 0, 100, 0}); }
    BomItem mesh() { return base.item(BaseFixture::kind(3, 4), {"5"}, {0, 0, 0, 12.5}, ProductOption::Rhombic); }
    BomItem pipe() { return base.item(BaseFixture::kind(2, 13), {"57", "3.5"}, {0, 5750.5, 3, 0}); }
};

// Python's csv module's reading of a file: its rows as lists of fields.
QList<QStringList> pythonRows(const QString &path)
{
    const QString script = QStringLiteral(
        "import csv, json, sys\n"
        "with open(sys.argv[1], newline='', encoding='utf-8-sig') as f:\n"
        "    print(json.dumps(list(csv.reader(f, delimiter=';'))))\n");
    bool ok = false;
    const QByteArray out = ExternalTools::run(QStringLiteral("python3"), {QStringLiteral("-c"), script, path}, &ok);
    QList<QStringList> rows;
    if (!ok)
        return rows;
    for (const QJsonValue &row : QJsonDocument::fromJson(out).array()) {
        QStringList fields;
        for (const QJsonValue &field : row.toArray())
            fields.append(field.toString());
        rows.append(fields);
    }
    return rows;
}

QString writeFile(const QTemporaryDir &dir, const QByteArray &bytes, const QString &name = QStringLiteral("list.csv"))
{
    const QString path = dir.filePath(name);
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
    return path;
}

void compareItems(const BomItem &read, const BomItem &written)
{
    QCOMPARE(read.name, written.name);
    QCOMPARE(read.standard, written.standard);
    QCOMPARE(BomDesignation::designation(read), BomDesignation::designation(written));
    QCOMPARE(read.option, written.option);
    QCOMPARE(read.rowPosition, written.rowPosition);
    QCOMPARE(read.cells, written.cells);
    QCOMPARE(read.state.UnitMass, written.state.UnitMass);
    QCOMPARE(read.state.MassColumn, written.state.MassColumn);
    QCOMPARE(read.state.CalcMode, written.state.CalcMode);
    QCOMPARE(read.inputs.length, written.inputs.length);
    QCOMPARE(read.inputs.width, written.inputs.width);
    QCOMPARE(read.inputs.pieces, written.inputs.pieces);
    QCOMPARE(read.inputs.area, written.inputs.area);
    // Recomputed by the same rules from the same figures: the same doubles, not just close.
    QVERIFY(read.onePiece == written.onePiece);
    QVERIFY(read.total == written.total);
    QCOMPARE(read.grade, written.grade);
    QCOMPARE(read.group, written.group);
    QCOMPARE(read.propertyClass, written.propertyClass);
}

// An item with marks: made as the calculator makes it, with the grade, group and class given.
BomItem marked(BaseFixture &base, const Catalogue::Kind &kind, const QStringList &leading, CalcInputs inputs,
               const QString &grade, const QString &group, const QString &propertyClass = QString())
{
    const int row = base.find(kind, leading);
    const std::optional<CalcState> state = stateFor(kind, row, base.cells(kind, row), ProductOption::None);
    const std::optional<BomItem> item = makeItem({kind, row, base.cells(kind, row), state.value(), inputs,
                                                  ProductOption::None, grade, group, propertyClass});
    if (!item)
        qFatal("no item");
    return *item;
}

} // namespace

class TestBomFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia)); }
    void cleanup() { QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia)); }

    // Byte-order mark, heading, ";" and decimal commas whatever the regional settings, one
    // line per item in the order shown, three decimals, the total last.
    void format_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::newRow("Russian") << QLocale(QLocale::Russian, QLocale::Russia);
        QTest::newRow("point decimals") << QLocale::c();
    }
    void format()
    {
        QFETCH(QLocale, locale);
        QLocale::setDefault(locale);
        Items items;
        BillOfMaterials list;
        list.add(items.angle());
        list.add(items.pipe());
        list.add(items.mesh());
        list.add(*withLength(items.angle(), 3000));
        const QByteArray bytes = BomCsv::write(list);
        QVERIFY(bytes.startsWith("\xEF\xBB\xBF"));
        const QStringList lines = QString::fromUtf8(bytes.mid(3)).split(QStringLiteral("\r\n"));
        QCOMPARE(lines.size(), 6);
        QCOMPARE(lines.at(0), QStringLiteral("№;Наименование;Стандарт;Размер;Длина, мм / площадь, м2;Кол-во;"
                                             "Масса 1 шт., кг;Масса, кг;Марка стали;Группа;Класс прочности"));
        QCOMPARE(lines.at(1), QStringLiteral("1;Уголок равнобокий;ГОСТ 8509-93;L50×5;6000;10;22,620;226,200;;;"));
        QCOMPARE(lines.at(2), QStringLiteral("2;Уголок равнобокий;ГОСТ 8509-93;L50×5;3000;10;11,310;113,100;;;"));
        // 4.62 kg/m × 5.7505 m = 26.56731 kg; × 3 = 79.70193 kg
        QCOMPARE(lines.at(3), QStringLiteral("3;Трубы стальные электросварные прямошовные;ГОСТ 10704-91;57×3,5;"
                                             "5750,5;3;26,567;79,701;;;"));
        QCOMPARE(lines.at(4), QStringLiteral("4;Сетки стальные плетеные и тканые;ГОСТ 5336-80;5-1,2 (ромб);12,5;;"
                                             "4,520;56,500;;;"));
        QCOMPARE(lines.at(5), QString());
    }

    // Python's csv module reads the file as a spreadsheet would: a heading and the items, the
    // item's total in the last field; a field with the separator or quotes comes back whole.
    void pythonReadsIt()
    {
        if (!ExternalTools::available(QStringLiteral("python3")))
            QSKIP("python3 is not installed");
        Items items;
        BillOfMaterials list;
        list.add(items.bolt());
        list.add(items.pipe());
        QTemporaryDir dir;
        const QByteArray tricky = BomCsv::joinFields({"7", "Болт; \"особый\"", "", "", "", "", "", "1,000"}, QLatin1Char(';')).toUtf8();
        const QString path = writeFile(dir, BomCsv::write(list) + tricky + "\r\n");
        const QList<QStringList> rows = pythonRows(path);
        QCOMPARE(rows.size(), 4);
        QCOMPARE(rows.at(0).first(), QStringLiteral("№"));
        QCOMPARE(rows.at(0).at(BomTable::Mass), QStringLiteral("Масса, кг"));
        QCOMPARE(rows.at(1), (QStringList{"1", "Болты с шестигранной головкой класса точности В", "ГОСТ 7798-70",
                                          "М12-6gx60.58", "", "100", "0,068", "6,800", "", "", "5.8"}));
        QCOMPARE(rows.at(2).at(BomTable::Mass), QStringLiteral("79,701"));
        QCOMPARE(rows.at(3).at(1), QStringLiteral("Болт; \"особый\""));
        QCOMPARE(BomCsv::parse(tricky).lines.first().fields.at(1), QStringLiteral("Болт; \"особый\""));
    }

    // Written and read back on the built base, every item is the same item: kind, row,
    // option, inputs and both masses recomputed to the same figures. Items of every rule and
    // option, lengths typed in metres, sheets with a width of their own.
    void roundTrip()
    {
        Items items;
        BaseFixture &b = items.base;
        using P = ProductOption;
        const QList<BomItem> written{
            items.angle(), items.bolt(), items.mesh(), items.pipe(),
            b.item(BaseFixture::kind(3, 4), {"5"}, {0, 0, 0, 3.25}, P::Square),
            b.item(BaseFixture::kind(3, 5), {"4С Вр-I 150/150"}, {0, 0, 0, 40}, P::Wire5),
            b.item(BaseFixture::kind(3, 5), {"5Вр-I 200/200 рулонная"}, {0, 0, 0, 23.5}),
            b.item(BaseFixture::kind(5, 2), {"10"}, {1.25, 6.5, 2, 0}, P::None, 1),
            b.item(BaseFixture::kind(5, 1), {"4.0", "чечевичное"}, {1500.5, 6000, 1, 0}),
            b.item(BaseFixture::kind(2, 1), {"Л5-УМ"}, {0, 12000, 8, 0}),
            b.item(BaseFixture::kind(2, 1), {"Л4"}, {0, 12000, 8, 0}),
            b.item(BaseFixture::kind(2, 2), {"20Б1"}, {0, 1.1, 3, 0}, P::None, 1),
            b.item(BaseFixture::kind(2, 11), {"60", "3.0", "2.67"}, {0, 3000, 2, 0}),
            b.item(BaseFixture::kind(3, 1), {"1.20"}, {0, 100000, 1, 0}),
            marked(b, BaseFixture::kind(2, 10), {"63", "5"}, {0, 1200, 20, 0}, "12Х18Н10Т", "Площадки"),
            marked(b, BaseFixture::kind(4, 8), {"16", "60"}, {0, 0, 24, 0}, "", "Колонны", "8.8"),
            marked(b, BaseFixture::kind(4, 1), {"16"}, {0, 0, 24, 0}, "", "", "8"),
            marked(b, BaseFixture::kind(5, 2), {"8.0"}, {1500, 3000, 2, 0}, "С255; особая", "Связи"),
        };
        BillOfMaterials list;
        for (const BomItem &item : written)
            list.add(item);
        const BomCsv::Parsed parsed = BomCsv::parse(BomCsv::write(list));
        QVERIFY(parsed.damaged.isEmpty());
        const BomRestore::Result result = BomRestore::restore(parsed, b.rows);
        QCOMPARE(result.skipped, QList<int>());
        QCOMPARE(result.items.size(), list.count());
        for (int i = 0; i < list.count(); ++i)
            compareItems(result.items.at(i), list.items().at(i));
    }

    // A list kept before the items had marks and before the designations took the designers'
    // forms (eight fields a line, "50×5", "Ø12", "10 мм, 1500×6000", "М12×60") still opens:
    // every line is read, without marks, the bolt at the first property class.
    void olderFileWithoutMarks()
    {
        const QByteArray older = "\xEF\xBB\xBF"
            "№;Наименование;Стандарт;Размер;Длина, мм;Кол-во;Масса 1 шт., кг;Масса, кг\r\n"
            "1;Уголок равнобокий;ГОСТ 8509-93;50×5;6000;10;22,620;226,200\r\n"
            "2;Арматура;ГОСТ 5781-82;Ø12;11700;4;10,390;41,558\r\n"
            "3;Болты с шестигранной головкой класса точности В;ГОСТ 7798-70;М12×60;;100;0,068;6,755\r\n"
            "4;Гайки шестигранные класса точности В (нормальной);ГОСТ 5915-70;М16;;12;0,038;0,451\r\n"
            "5;Сталь листовая горячекатанная;ГОСТ 19903-74;10 мм, 1500×6000;6000;2;706,500;1413,000\r\n";
        Items items;
        const BomCsv::Parsed parsed = BomCsv::parse(older);
        QCOMPARE(parsed.damaged, QList<int>());
        const BomRestore::Result result = BomRestore::restore(parsed, items.base.rows);
        QCOMPARE(result.skipped, QList<int>());
        QStringList sizes;
        for (const BomItem &item : result.items) {
            sizes.append(BomDesignation::designation(item));
            QCOMPARE(item.grade, QString());
            QCOMPARE(item.group, QString());
        }
        QCOMPARE(sizes, (QStringList{"L50×5", "⌀12", "М12-6gx60.58", "М16-6H.5", "-10×1500×6000"}));
        compareItems(result.items.at(0), items.angle());
        compareItems(result.items.at(2), items.bolt());
    }

    // Each damaged line is left out and named; the other lines are read.
    void damagedLines_data()
    {
        QTest::addColumn<QString>("line");
        QTest::newRow("a field too many") << "1;Уголок равнобокий;ГОСТ 8509-93;50×5;6000;10;22,620;226,200;x";
        QTest::newRow("fields missing") << "1;Уголок равнобокий;ГОСТ 8509-93;50×5;6000";
        QTest::newRow("unknown kind") << "1;Уголок особый;ГОСТ 8509-93;50×5;6000;10;22,620;226,200";
        QTest::newRow("no such size") << "1;Уголок равнобокий;ГОСТ 8509-93;51×5;6000;10;22,620;226,200";
        QTest::newRow("a length that is no number") << "1;Уголок равнобокий;ГОСТ 8509-93;50×5;6 м;10;22,620;226,200";
        QTest::newRow("a negative quantity") << "1;Уголок равнобокий;ГОСТ 8509-93;50×5;6000;-1;22,620;226,200";
        QTest::newRow("no quantity") << "1;Уголок равнобокий;ГОСТ 8509-93;50×5;6000;;22,620;226,200";
        QTest::newRow("another standard") << "1;Уголок равнобокий;ГОСТ 8510-86;50×5;6000;10;22,620;226,200";
        QTest::newRow("an unclosed quote") << "1;\"Уголок равнобокий;ГОСТ 8509-93;50×5;6000;10;22,620;226,200";
        QTest::newRow("a sheet without its size") << "1;Сталь листовая горячекатанная;ГОСТ 19903-2015;10 мм;6000;1;1;1";
        QTest::newRow("a welded mesh without its wire")
            << "1;Сетки сварные;ГОСТ 23279-85;4С Вр-I 150/150;;;1;1";
        QTest::newRow("bytes that are no text") << QString::fromLatin1("\x01\x02\xff\xfe;;;;;;;");
    }
    void damagedLines()
    {
        QFETCH(QString, line);
        Items items;
        BillOfMaterials list;
        list.add(items.angle());
        list.add(items.bolt());
        QByteArray bytes = BomCsv::write(list);
        const int firstLineEnd = bytes.indexOf("\r\n", bytes.indexOf("\r\n") + 2) + 2;
        bytes.insert(firstLineEnd, line.toUtf8() + "\r\n");
        const BomRestore::Result result = BomRestore::restore(BomCsv::parse(bytes), items.base.rows);
        QCOMPARE(result.skipped, QList<int>{3});
        QCOMPARE(result.items.size(), 2);
        compareItems(result.items.at(0), list.items().at(0));
        compareItems(result.items.at(1), list.items().at(1));
    }

    // A file of no list at all, and an empty one, read as no items; the heading may be
    // missing, and so may the byte-order mark; blank lines are nothing.
    void wholeFiles_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("items");
        QTest::addColumn<QList<int>>("skipped");
        const QByteArray angle = "1;Уголок равнобокий;ГОСТ 8509-93;50×5;6000;10;22,620;226,200";
        QTest::newRow("empty") << QByteArray() << 0 << QList<int>();
        QTest::newRow("heading only") << QByteArray("\xEF\xBB\xBF№;a;b;c;d;e;f;g\r\n") << 0 << QList<int>();
        QTest::newRow("no mark, no heading, LF, blank lines") << QByteArray(angle + "\n\n" + angle + "\n") << 2 << QList<int>();
        QTest::newRow("a picture") << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16) << 0 << QList<int>{1, 2, 3};
    }
    void wholeFiles()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, items);
        QFETCH(QList<int>, skipped);
        BaseFixture base;
        const BomRestore::Result result = BomRestore::restore(BomCsv::parse(bytes), base.rows);
        QCOMPARE(result.items.size(), items);
        QCOMPARE(result.skipped, skipped);
    }

    // Without the base no size is found again: every line is named, none is read.
    void missingBase()
    {
        Items items;
        BillOfMaterials list;
        list.add(items.angle());
        QTemporaryDir dir;
        BaseKindRows none(dir.filePath(QStringLiteral("base.mdb")));
        const BomRestore::Result result = BomRestore::restore(BomCsv::parse(BomCsv::write(list)), none);
        QCOMPARE(result.items.size(), 0);
        QCOMPARE(result.skipped, QList<int>{2});
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("base.mdb"))));
    }

    // The kept list lies in the user's data directory, which is made when first saved; the
    // file is replaced whole, with nothing left beside it; a damaged file's message names it
    // and its skipped lines.
    void keptList()
    {
        Items items;
        QTemporaryDir dir;
        const QString dataDir = dir.filePath(QStringLiteral("share/morvex"));
        const QString path = BomStore::keptListPath(dataDir);
        QCOMPARE(QFileInfo(path).absolutePath(), QFileInfo(dataDir).absoluteFilePath());
        QVERIFY(path.endsWith(QStringLiteral(".csv")));
        QVERIFY(!BomStore::load(path, items.base.rows).found);

        BillOfMaterials list;
        list.add(items.angle());
        QString error;
        QVERIFY2(BomStore::save(list, path, &error), qPrintable(error));
        list.add(items.bolt());
        QVERIFY(BomStore::save(list, path));
        QCOMPARE(QDir(dataDir).entryList(QDir::Files | QDir::Hidden), QStringList{QFileInfo(path).fileName()});
        const BomStore::Loaded loaded = BomStore::load(path, items.base.rows);
        QVERIFY(loaded.found && loaded.readable);
        QCOMPARE(loaded.result.items.size(), 2);

        BomStore::Loaded damaged = loaded;
        damaged.result.skipped = {3, 7};
        QCOMPARE(BomStore::damagedMessage(QStringLiteral("/tmp/x.csv"), damaged),
                 QStringLiteral("Файл спецификации /tmp/x.csv прочитан не полностью: пропущены строки 3, 7. "
                                "Прочитано изделий: 2."));

        // A directory in the file's place cannot be replaced: the reason comes back.
        const QString blocked = dir.filePath(QStringLiteral("blocked.csv"));
        QDir().mkpath(blocked);
        QVERIFY(!BomStore::save(list, blocked, &error));
        QVERIFY(!error.isEmpty());
    }

    // Something other than a regular file where the kept list lies (a FIFO, which would hold the
    // program until a writer came; a directory) is found but not read, and the load returns.
    void keptListThatIsNoFile_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("a FIFO") << "fifo";
        QTest::newRow("a directory") << "directory";
    }
    void keptListThatIsNoFile()
    {
        QFETCH(QString, kind);
        Items items;
        QTemporaryDir dir;
        const QString path = BomStore::keptListPath(dir.path());
        if (kind == QLatin1String("fifo"))
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        else
            QVERIFY(QDir().mkpath(path));
        std::promise<BomStore::Loaded> promise;
        std::future<BomStore::Loaded> done = promise.get_future();
        std::thread worker([&] { promise.set_value(BomStore::load(path, items.base.rows)); });
        bool blocked = false;
        while (done.wait_for(std::chrono::seconds(10)) != std::future_status::ready) {
            blocked = true; // let a blocked read go by writing nothing into the FIFO
            const int writer = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_NONBLOCK);
            if (writer >= 0)
                ::close(writer);
        }
        worker.join();
        QVERIFY(!blocked);
        const BomStore::Loaded loaded = done.get();
        QVERIFY(loaded.found);
        QVERIFY(!loaded.readable);
        QVERIFY(loaded.result.items.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestBomFile)
#include "tst_bomfile.moc"
