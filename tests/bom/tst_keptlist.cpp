// The kept list never loses a line: a full disk leaves the file whole and says so, lines that
// could not be read are kept in a copy before the first rewrite (and damaged files twice in two
// copies), two running copies over one file merge their changes, an own size that repeats a
// base designation comes back as the row it was made from, and texts a spreadsheet would run
// as formulas are written as text and read back unchanged.

#include "basefixture.h"
#include "bom/bomcsv.h"
#include "bom/bomdesignation.h"
#include "bom/bomtable.h"
#include "bom/keptlist.h"
#include "platform/writefault.h"
#include "tinyfilesystem.h"

#include <QDir>
#include <QFile>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>

namespace {

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void put(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

// The base's rows with, where a kind is given, own rows after them: the user's own sizes as
// the data source adds them.
class RowsWithOwn : public BomKindRows
{
public:
    const QList<QStringList> *rows(const Catalogue::Kind &kind) override
    {
        const QList<QStringList> *base = fixture.rows.rows(kind);
        if (!base || QString::fromUtf8(kind.recordSource) != ownSource)
            return base;
        withOwn = *base + own;
        return &withOwn;
    }

    BaseFixture fixture;
    QString ownSource;
    QList<QStringList> own;
    QList<QStringList> withOwn;
};

struct Items
{
    BaseFixture &base;
    BomItem angle(double pieces = 10) { return base.item(BaseFixture::kind(2, 10), {"50", "5"}, {0, 6000, pieces, 0}); }
    BomItem bolt() { return base.item(BaseFixture::kind(4, 8), {"12", "60"}, {0, 0, 100, 0}); }
    BomItem pipe() { return base.item(BaseFixture::kind(2, 13), {"57", "3.5"}, {0, 5750.5, 3, 0}); }
};

// The designations and quantities of a list, as a designer reads them.
QStringList lines(const BillOfMaterials &list)
{
    QStringList read;
    for (const BomItem &item : list.items())
        read.append(BomDesignation::designation(item) + QLatin1Char(' ') + BomTable::figure(item.inputs.pieces));
    return read;
}

QStringList linesOfFile(const QString &path, BomKindRows &rows)
{
    BillOfMaterials list;
    KeptList(path).load(list, rows);
    return lines(list);
}

QByteArray fileOf(const QList<BomItem> &items)
{
    BillOfMaterials list;
    list.load(items);
    return BomCsv::write(list);
}

} // namespace

class TestKeptList : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia)); }

    // A full disk, simulated under the writer and real on a tiny tmpfs: the change is told as
    // not kept, the file holds what it held, and a restart finds it.
    void aFullDiskLeavesTheFileWhole_data()
    {
        QTest::addColumn<bool>("real");
        QTest::addColumn<qint64>("room");
        QTest::newRow("simulated, no room") << false << qint64(0);
        QTest::newRow("simulated, room for half") << false << qint64(200);
        QTest::newRow("a full tmpfs") << true << qint64(0);
    }
    void aFullDiskLeavesTheFileWhole()
    {
        QFETCH(bool, real);
        QFETCH(qint64, room);
        TinyFileSystem disk;
        if (real && !disk.mounted())
            QSKIP("a tmpfs cannot be mounted here (it needs root in the test's namespace)");
        QTemporaryDir dir;
        const QString path = (real ? disk.path() : dir.path()) + QStringLiteral("/specification.csv");
        BaseFixture base;
        Items items{base};
        const QByteArray before = fileOf({items.angle(), items.pipe()});
        put(path, before);
        KeptList kept(path);
        BillOfMaterials list;
        QVERIFY(kept.load(list, base.rows).message.isEmpty());
        list.add(items.bolt());
        std::optional<WriteFault> full;
        if (real)
            QVERIFY(disk.fill());
        else
            full.emplace(room);
        const KeptList::Outcome outcome = kept.save(list, base.rows);
        full.reset();
        QVERIFY(!outcome.written);
        QVERIFY(outcome.error);
        QVERIFY2(outcome.message.contains(QStringLiteral("на диске нет места"))
                     && outcome.message.contains(QStringLiteral("Изменение не сохранено")),
                 qPrintable(outcome.message));
        QCOMPARE(contents(path), before);
        QCOMPARE(linesOfFile(path, base.rows), (QStringList{"L50×5 10", "57×3,5 3"}));
    }

    // Whatever could not be read stays: the message at reading names the lines and the copy
    // to come; the file is left as it is until the list changes; then the copy holds it byte
    // for byte and the file holds the list.
    void unreadLinesAreKeptInACopy_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QStringList>("read");
        QTest::addColumn<QString>("skipped");
        BaseFixture base;
        Items items{base};
        const QByteArray sound = fileOf({items.angle(), items.bolt()});
        const int second = sound.indexOf("\r\n", sound.indexOf("\r\n") + 2) + 2;
        QTest::newRow("a damaged line") << QByteArray(sound).insert(second, "garbage;\r\n")
                                        << QStringList{"L50×5 10", "М12-6gx60.58 100"} << "3";
        QTest::newRow("a size the base no longer has")
            << QByteArray(sound).insert(second, "9;Уголок равнобокий;ГОСТ 8509-93;999×5;6000;10;22,620;226,200\r\n")
            << QStringList{"L50×5 10", "М12-6gx60.58 100"} << "3";
        // "×" has no place in cp1251: it comes out as "?", as a spreadsheet saving so writes it.
        QStringEncoder cp1251("windows-1251");
        const QByteArray resaved = cp1251(QStringDecoder(QStringDecoder::Utf8)(sound));
        // Its heading is no longer read as one either.
        QTest::newRow("re-saved in cp1251") << resaved << QStringList() << "1, 2, 3";
        QTest::newRow("re-saved with commas") << QByteArray(sound).replace(';', ',') << QStringList() << "2, 3";
    }
    void unreadLinesAreKeptInACopy()
    {
        QFETCH(QByteArray, file);
        QFETCH(QStringList, read);
        QFETCH(QString, skipped);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("specification.csv"));
        put(path, file);
        BaseFixture base;
        Items items{base};
        KeptList kept(path);
        BillOfMaterials list;
        const KeptList::Outcome loaded = kept.load(list, base.rows);
        QCOMPARE(lines(list), read);
        QVERIFY2(loaded.message.contains(QStringLiteral("пропущены строки %1").arg(skipped)), qPrintable(loaded.message));
        QVERIFY2(loaded.message.contains(QDir::toNativeSeparators(path + QStringLiteral(".bak"))), qPrintable(loaded.message));
        QCOMPARE(contents(path), file);

        list.add(items.pipe());
        QVERIFY(kept.save(list, base.rows).written);
        QCOMPARE(contents(path + QStringLiteral(".bak")), file);
        QCOMPARE(linesOfFile(path, base.rows), read + QStringList{"57×3,5 3"});
        // Kept once: the next change writes no second copy.
        list.add(items.angle(2));
        QVERIFY(kept.save(list, base.rows).written);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
                 (QStringList{"specification.csv", "specification.csv.bak"}));
    }

    // An item of an own size whose file is damaged (the row is gone from the table while it
    // is) is a line not read like any other: kept, and read again once the size is back.
    void anItemOfAnOwnSizeThatIsGone()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("specification.csv"));
        RowsWithOwn rows;
        const Catalogue::Kind angleKind = BaseFixture::kind(2, 10);
        rows.ownSource = QString::fromUtf8(angleKind.recordSource);
        QStringList own = rows.fixture.cells(angleKind, rows.fixture.find(angleKind, {"50", "5"}));
        own[0] = QStringLiteral("51");
        rows.own = {own};
        const int ownRow = int(rows.fixture.rows.rows(angleKind)->size());
        std::optional<CalcState> state = stateFor(angleKind, ownRow, own, ProductOption::None);
        QVERIFY(state);
        const std::optional<BomItem> ownItem = makeItem({angleKind, ownRow, own, *state, {0, 1000, 1, 0}});
        QVERIFY(ownItem);
        const QByteArray file = fileOf({*ownItem});
        put(path, file);

        rows.own.clear(); // the own sizes' file cannot be read now
        KeptList kept(path);
        BillOfMaterials list;
        QVERIFY(kept.load(list, rows).message.contains(QStringLiteral("пропущены строки 2")));
        Items items{rows.fixture};
        list.add(items.bolt());
        QVERIFY(kept.save(list, rows).written);
        rows.own = {own};
        QCOMPARE(linesOfFile(path + QStringLiteral(".bak"), rows), QStringList{"L51×5 1"});
    }

    // A file damaged again after its first copy (by another program, between two changes)
    // gets a copy of its own; the first stays as it was.
    void aFileDamagedTwiceKeepsBothCopies()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("specification.csv"));
        BaseFixture base;
        Items items{base};
        const QByteArray first = fileOf({items.angle()}) + "первая порча\r\n";
        const QByteArray second = fileOf({items.bolt()}) + "вторая порча\r\n";
        put(path, first);
        KeptList kept(path);
        BillOfMaterials list;
        kept.load(list, base.rows);
        list.add(items.pipe());
        QVERIFY(kept.save(list, base.rows).written);
        put(path, second);
        list.add(items.angle(3));
        const KeptList::Outcome outcome = kept.save(list, base.rows);
        QVERIFY(outcome.written);
        QVERIFY(outcome.merged);
        QVERIFY2(outcome.message.contains(QDir::toNativeSeparators(path + QStringLiteral(".2.bak"))), qPrintable(outcome.message));
        QCOMPARE(contents(path + QStringLiteral(".bak")), first);
        QCOMPARE(contents(path + QStringLiteral(".2.bak")), second);
        // The other program's item, and this copy's last change: its angle, the 3 added to its
        // 10 as one line; what the file held before is gone.
        QCOMPARE(linesOfFile(path, base.rows), (QStringList{"М12-6gx60.58 100", "L50×5 13"}));
    }

    // Two running copies over one file: each change of one is made on what the other wrote.
    void twoCopiesKeepEachOthersItems()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("specification.csv"));
        BaseFixture base;
        Items items{base};
        KeptList keptA(path), keptB(path);
        BillOfMaterials a, b;
        keptA.load(a, base.rows);
        keptB.load(b, base.rows);

        a.add(items.angle(1));
        QVERIFY(keptA.save(a, base.rows).written);
        b.add(items.bolt());
        KeptList::Outcome outcome = keptB.save(b, base.rows);
        QVERIFY(outcome.written && outcome.merged);
        QVERIFY(outcome.message.contains(QStringLiteral("изменила другая копия программы")));
        QCOMPARE(lines(b), (QStringList{"L50×5 1", "М12-6gx60.58 100"}));
        // Of another group: not the same item as the first, which it would add to.
        BomItem bracing = items.angle(3);
        bracing.group = QStringLiteral("Связи");
        a.add(bracing);
        QVERIFY(keptA.save(a, base.rows).written);
        QCOMPARE(linesOfFile(path, base.rows), (QStringList{"L50×5 1", "L50×5 3", "М12-6gx60.58 100"}));

        // A removal and an edit, one in each copy, both kept.
        QVERIFY(b.remove({int(b.count()) - 1}));
        QVERIFY(keptB.save(b, base.rows).written);
        QVERIFY(a.setQuantity(0, 7));
        QVERIFY(keptA.save(a, base.rows).written);
        QCOMPARE(linesOfFile(path, base.rows), (QStringList{"L50×5 3", "L50×5 7"}));
        QCOMPARE(lines(a), (QStringList{"L50×5 3", "L50×5 7"}));
        // Unchanged on disk since: written without a merge.
        a.add(items.pipe());
        outcome = keptA.save(a, base.rows);
        QVERIFY(outcome.written && !outcome.merged && outcome.message.isEmpty());
    }

    // An own size that repeats a base designation with a mass of its own: each item comes
    // back as the row it was made from, with its figures.
    void anOwnSizeRepeatingABaseDesignation()
    {
        RowsWithOwn rows;
        const Catalogue::Kind angleKind = BaseFixture::kind(2, 10);
        rows.ownSource = QString::fromUtf8(angleKind.recordSource);
        const int baseRow = rows.fixture.find(angleKind, {"50", "5"});
        QStringList own = rows.fixture.cells(angleKind, baseRow);
        own[angleKind.massColumn] = QStringLiteral("9.99");
        rows.own = {own};
        const int ownRow = int(rows.fixture.rows.rows(angleKind)->size());
        Items items{rows.fixture};
        const BomItem fromBase = items.angle(1);
        std::optional<CalcState> state = stateFor(angleKind, ownRow, own, ProductOption::None);
        QVERIFY(state);
        const std::optional<BomItem> fromOwn = makeItem({angleKind, ownRow, own, *state, {0, 6000, 1, 0}});
        QVERIFY(fromOwn);
        for (const QList<BomItem> &written : {QList<BomItem>{fromBase, *fromOwn}, QList<BomItem>{*fromOwn, fromBase}}) {
            const BomRestore::Result back = BomRestore::restore(BomCsv::parse(fileOf(written)), rows);
            QCOMPARE(back.skipped, QList<int>());
            QCOMPARE(back.items.size(), 2);
            for (int i = 0; i < 2; ++i) {
                QCOMPARE(back.items.at(i).rowPosition, written.at(i).rowPosition);
                QCOMPARE(back.items.at(i).total, written.at(i).total);
            }
        }
        QCOMPARE(fromBase.total, 22.62); // 3.77 kg/m × 6 m
        QCOMPARE(fromOwn->total, 59.94); // 9.99 kg/m × 6 m
    }

    // Texts a spreadsheet would run as a formula are written after an apostrophe and read
    // back as they were; other texts and the numbers are written as they are.
    void formulaTexts_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("written");
        QTest::newRow("=") << "=HYPERLINK(\"http://x\")" << "'=HYPERLINK(\"http://x\")";
        QTest::newRow("+") << "+7" << "'+7";
        QTest::newRow("-") << "-1" << "'-1";
        QTest::newRow("@") << "@SUM(A1)" << "'@SUM(A1)";
        QTest::newRow("an apostrophe before =") << "'=1" << "''=1";
        QTest::newRow("two apostrophes before +") << "''+1" << "'''+1";
        QTest::newRow("an apostrophe before a word") << "'Уголок" << "'Уголок";
        QTest::newRow("a sign inside") << "Уголок =1" << "Уголок =1";
    }
    void formulaTexts()
    {
        QFETCH(QString, text);
        QFETCH(QString, written);
        BaseFixture base;
        Items items{base};
        BomItem item = items.angle();
        item.name = text;
        item.standard = text;
        BillOfMaterials list;
        list.add(item);
        const BomCsv::Parsed parsed = BomCsv::parse(BomCsv::write(list));
        QCOMPARE(parsed.lines.size(), 1);
        const QStringList fields = parsed.lines.first().fields;
        QCOMPARE(fields.at(BomTable::Name), text);
        QCOMPARE(fields.at(BomTable::Standard), text);
        QCOMPARE(fields.at(BomTable::Quantity), QStringLiteral("10"));
        const QString line = QString::fromUtf8(BomCsv::write(list)).split(QStringLiteral("\r\n")).value(1);
        QVERIFY2(line.startsWith(QStringLiteral("1;%1;").arg(BomCsv::joinFields({written}, QLatin1Char(';')))), qPrintable(line));
    }
};

QTEST_GUILESS_MAIN(TestKeptList)
#include "tst_keptlist.moc"
