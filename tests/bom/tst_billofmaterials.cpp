// The materials list: items made from the built base as the calculator makes them, grouped by
// standard, edited and recomputed, moved and removed, every change undone and redone; the
// grouped table with its subtotals and totals.

#include "basefixture.h"
#include "bom/billofmaterials.h"
#include "bom/bomdesignation.h"
#include "bom/bomsheet.h"
#include "bom/bomtable.h"

#include <QMap>
#include <QSignalSpy>
#include <QTest>

#include <cmath>

namespace {

// Items with masses worked by hand from the built tables.
struct Items
{
    BaseFixture base;
    // 3.77 kg/m × 6 m = 22.62 kg; × 10 = 226.2 kg
    BomItem angle() { return base.item(BaseFixture::kind(2, 10), {"50", "5"}, {0, 6000, 10, 0}); }
    // 3.91 kg/m × 2.5 m = 9.775 kg; × 4 = 39.1 kg
    BomItem angle63() { return base.item(BaseFixture::kind(2, 8), {"63", "40", "5"}, {0, 2500, 4, 0}); }
    // 5.81 kg/m × 6 m = 34.86; × 2 = 69.72 (ГОСТ 8278-83)
    BomItem channel() { return base.item(BaseFixture::kind(2, 6), {"100", "50", "4"}, {0, 6000, 2, 0}); }
    // 67.55 kg per 1000: 0.06755 kg; × 100 = 6.755 kg
    BomItem bolt() { return base.item(BaseFixture::kind(4, 8), {"12", "60"}, {0, 0, 100, 0}); }
    // 0.888 kg/m × 11.7 m = 10.3896 kg; × 4 = 41.5584 kg
    BomItem rebar() { return base.item(BaseFixture::kind(3, 2), {"12"}, {0, 11700, 4, 0}); }
    // 4.52 kg/m² × 12.5 m² = 56.5 kg
    BomItem mesh() { return base.item(BaseFixture::kind(3, 4), {"5"}, {0, 0, 0, 12.5}, ProductOption::Rhombic); }
    // 10 mm × 7850 kg/m³ × 1.5 m × 6 m = 706.5 kg; × 2 = 1413 kg
    BomItem sheet() { return base.item(BaseFixture::kind(5, 2), {"10"}, {1500, 6000, 2, 0}); }
};

QStringList sizes(const BillOfMaterials &list)
{
    QStringList out;
    for (const BomItem &item : list.items())
        out.append(BomDesignation::designation(item));
    return out;
}

} // namespace

class TestBillOfMaterials : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia)); }

    // The masses an item is made with, per rule, in kilograms, lengths given in millimetres or
    // metres.
    void itemMasses_data()
    {
        QTest::addColumn<BomItem>("item");
        QTest::addColumn<double>("onePiece");
        QTest::addColumn<double>("total");
        QTest::addColumn<double>("length");
        Items items;
        QTest::newRow("angle by length") << items.angle() << 22.62 << 226.2 << 6000.0;
        QTest::newRow("bolt per piece") << items.bolt() << 0.06755 << 6.755 << 0.0;
        QTest::newRow("mesh per area: 1 m², the area") << items.mesh() << 4.52 << 56.5 << 12.5;
        QTest::newRow("smooth sheet") << items.sheet() << 706.5 << 1413.0 << 6000.0;
        QTest::newRow("rebar typed in metres") << items.base.item(BaseFixture::kind(3, 2), {"12"}, {0, 11.7, 4, 0}, ProductOption::None, 1)
                                               << 10.3896 << 41.5584 << 11700.0;
        QTest::newRow("sheet typed in metres") << items.base.item(BaseFixture::kind(5, 2), {"10"}, {1.5, 6, 2, 0}, ProductOption::None, 1)
                                               << 706.5 << 1413.0 << 6000.0;
        // Each sheet pile by its own row's mass of 1 m: Л4 74.0 kg/m × 12 m = 888 kg; × 2 = 1776 kg
        QTest::newRow("sheet pile Л4, its own 74.0 kg/m") << items.base.item(BaseFixture::kind(2, 1), {"Л4"}, {0, 12000, 2, 0})
                                                         << 888.0 << 1776.0 << 12000.0;
    }
    void itemMasses()
    {
        QFETCH(BomItem, item);
        QFETCH(double, onePiece);
        QFETCH(double, total);
        QFETCH(double, length);
        QCOMPARE(item.onePiece, onePiece);
        QCOMPARE(item.total, total);
        QCOMPARE(item.state.MassDivisor, int16_t(1));
        QCOMPARE(item.state.LengthDivisor, int16_t(1000));
        if (item.hasLength())
            QCOMPARE(item.lengthValue(), length);
    }

    // The calculator showing tonnes makes the same item in kilograms.
    void tonnesBecomeKilograms()
    {
        Items items;
        const Catalogue::Kind k = BaseFixture::kind(2, 10);
        const int row = items.base.find(k, {"50", "5"});
        CalcState state = *stateFor(k, row, items.base.cells(k, row), ProductOption::None);
        state.MassDivisor = 1000;
        const std::optional<BomItem> item = makeItem({k, row, items.base.cells(k, row), state, {0, 6000, 10, 0}});
        QVERIFY(item);
        QCOMPARE(item->total, 226.2);
        // No rule, no item.
        state.MassColumn = -7;
        QVERIFY(!makeItem({k, row, items.base.cells(k, row), state, {0, 6000, 10, 0}}));
    }

    // A welded mesh's item takes the unit mass of its own row and wire, never one the
    // calculator was left with from another row: a row whose spacing of 0 gives none makes no
    // item, whatever mass the state carries.
    void weldedMeshItemTakesItsOwnRowsMass()
    {
        Items items;
        const Catalogue::Kind k = BaseFixture::kind(3, 5);
        const int row = items.base.find(k, {"4С Вр-I 100/100"});
        QStringList cells = items.base.cells(k, row);
        CalcState stale = *stateFor(k, row, cells, ProductOption::Wire3);
        stale.UnitMass = 9.99f;
        const std::optional<BomItem> item = makeItem({k, row, cells, stale, {0, 0, 0, 10}, ProductOption::Wire4});
        QVERIFY(item);
        QCOMPARE(item->total, 19.32); // (950 / 100 + 950 / 100 + 2) × 0.092 kg/m², 10 m²
        cells[3] = QStringLiteral("0");
        QVERIFY(!makeItem({k, row, cells, stale, {0, 0, 0, 10}, ProductOption::Wire4}));
    }

    // A new item goes to the end of its standard's group; a new standard opens a group at the
    // end; the groups' subtotals and the total follow.
    void addGroupsByStandard()
    {
        Items items;
        BillOfMaterials list;
        QCOMPARE(list.add(items.angle()), 0);
        QCOMPARE(list.add(items.bolt()), 1);
        QCOMPARE(list.add(items.angle63()), 2);
        QCOMPARE(list.add(*withLength(items.angle(), 3000)), 1); // ГОСТ 8509-93 again: after the first angle
        QCOMPARE(list.add(items.rebar()), 4);
        QCOMPARE(sizes(list), (QStringList{"L50×5", "L50×5", "М12-6gx60.58", "L63×40×5", "⌀12"}));
        const QList<BillOfMaterials::Group> &groups = list.groups();
        QCOMPARE(groups.size(), 4);
        QCOMPARE(groups.at(0).standard, QStringLiteral("ГОСТ 8509-93"));
        QCOMPARE(groups.at(0).count, 2);
        QCOMPARE(groups.at(0).totalKg, 339.3);
        QCOMPARE(groups.at(1).standard, QStringLiteral("ГОСТ 7798-70"));
        QCOMPARE(groups.at(1).first, 2);
        // The printed lines: 100 × 0,068 kg; 4 × 10,390 kg.
        QCOMPARE(groups.at(1).totalKg, 6.8);
        QCOMPARE(groups.at(2).standard, QStringLiteral("ГОСТ 8510-86"));
        QCOMPARE(groups.at(3).totalKg, 41.56);
        QCOMPARE(list.totalKg(), 426.76);
    }

    // Edits recompute both masses through the item's own rule.
    void editsRecompute_data()
    {
        QTest::addColumn<BomItem>("item");
        QTest::addColumn<bool>("length");
        QTest::addColumn<double>("value");
        QTest::addColumn<double>("onePiece");
        QTest::addColumn<double>("total");
        QTest::addColumn<QString>("size");
        QTest::addColumn<double>("printed"); // the line as printed: quantity × the printed mass of one
        Items items;
        QTest::newRow("angle length") << items.angle() << true << 3000.0 << 11.31 << 113.1 << "L50×5" << 113.1;
        QTest::newRow("angle quantity") << items.angle() << false << 3.0 << 22.62 << 67.86 << "L50×5" << 67.86;
        QTest::newRow("bolt quantity") << items.bolt() << false << 250.0 << 0.06755 << 16.8875 << "М12-6gx60.58" << 17.0;
        QTest::newRow("mesh area") << items.mesh() << true << 20.0 << 4.52 << 90.4 << "5-1,2 (ромб)" << 90.4;
        QTest::newRow("sheet length, in its size too") << items.sheet() << true << 3000.0 << 353.25 << 706.5
                                                       << "-10×1500×3000" << 706.5;
        QTest::newRow("quantity 0") << items.rebar() << false << 0.0 << 10.3896 << 0.0 << "⌀12" << 0.0;
    }
    void editsRecompute()
    {
        QFETCH(BomItem, item);
        QFETCH(bool, length);
        QFETCH(double, value);
        QFETCH(double, onePiece);
        QFETCH(double, total);
        QFETCH(QString, size);
        QFETCH(double, printed);
        BillOfMaterials list;
        list.add(item);
        QSignalSpy changes(&list, &BillOfMaterials::changed);
        QVERIFY(length ? list.setLength(0, value) : list.setQuantity(0, value));
        QCOMPARE(changes.size(), 1);
        QCOMPARE(list.items().at(0).onePiece, onePiece);
        QCOMPARE(list.items().at(0).total, total);
        QCOMPARE(BomDesignation::designation(list.items().at(0)), size);
        QCOMPARE(list.totalKg(), printed);
        list.undoStack()->undo();
        QCOMPARE(list.items().at(0).total, item.total);
        QCOMPARE(changes.size(), 2);
    }

    // What an edit cannot be: the list, its undo and its notices stay as they were.
    void editsRefused_data()
    {
        QTest::addColumn<BomItem>("item");
        QTest::addColumn<bool>("length");
        QTest::addColumn<double>("value");
        Items items;
        QTest::newRow("negative length") << items.angle() << true << -1.0;
        QTest::newRow("negative quantity") << items.angle() << false << -2.0;
        QTest::newRow("not a number") << items.angle() << true << std::nan("");
        QTest::newRow("infinite") << items.angle() << false << HUGE_VAL;
        QTest::newRow("the same length") << items.angle() << true << 6000.0;
        QTest::newRow("a bolt's length") << items.bolt() << true << 100.0;
        QTest::newRow("a mesh's quantity") << items.mesh() << false << 3.0;
    }
    void editsRefused()
    {
        QFETCH(BomItem, item);
        QFETCH(bool, length);
        QFETCH(double, value);
        BillOfMaterials list;
        list.add(item);
        QSignalSpy changes(&list, &BillOfMaterials::changed);
        QVERIFY(!(length ? list.setLength(0, value) : list.setQuantity(0, value)));
        QCOMPARE(changes.size(), 0);
        QCOMPARE(list.undoStack()->count(), 1);
        QCOMPARE(list.items().at(0).total, item.total);
        QVERIFY(!list.setLength(1, 10) && !list.setQuantity(-1, 10));
    }

    // Moves stay within the group; its edges refuse.
    void movesWithinTheGroup()
    {
        Items items;
        BillOfMaterials list;
        list.add(items.angle());
        list.add(items.bolt());
        const BomItem second = *withLength(items.angle(), 3000);
        list.setQuantity(0, 1); // tell the two angles apart: 22.62 kg and 113.1 kg
        list.add(second);
        QCOMPARE(list.items().at(0).total, 22.62);
        QVERIFY(list.move(0, 1));
        QCOMPARE(list.items().at(0).total, 113.1);
        QCOMPARE(list.items().at(1).total, 22.62);
        QVERIFY(!list.move(1, 1)); // the bolt's group below
        QVERIFY(!list.move(2, -1)); // the angles' group above
        QVERIFY(!list.move(0, -1));
        QVERIFY(!list.move(2, 1));
        QVERIFY(!list.move(0, 2));
        list.undoStack()->undo();
        QCOMPARE(list.items().at(0).total, 22.62);
    }

    // Every kind of change is undone in turn, back to the empty list, and redone.
    void undoEveryChange()
    {
        Items items;
        BillOfMaterials list;
        QSignalSpy changes(&list, &BillOfMaterials::changed);
        list.add(items.angle());
        list.add(items.bolt());
        list.add(items.angle63());
        list.setLength(0, 3000);
        list.remove({2, 0, 2, 7});
        QCOMPARE(sizes(list), QStringList{"М12-6gx60.58"});
        list.replaceAll({items.rebar(), items.bolt(), items.rebar()}, QStringLiteral("открытие"));
        QCOMPARE(sizes(list), (QStringList{"⌀12", "⌀12", "М12-6gx60.58"}));
        QCOMPARE(changes.size(), 6);

        QUndoStack *undo = list.undoStack();
        undo->undo();
        QCOMPARE(sizes(list), QStringList{"М12-6gx60.58"});
        undo->undo();
        QCOMPARE(sizes(list), (QStringList{"L50×5", "М12-6gx60.58", "L63×40×5"}));
        QCOMPARE(list.items().at(0).total, 113.1);
        undo->undo();
        QCOMPARE(list.items().at(0).total, 226.2);
        undo->undo();
        undo->undo();
        undo->undo();
        QCOMPARE(list.count(), 0);
        QCOMPARE(list.totalKg(), 0.0);
        QCOMPARE(changes.size(), 12);
        while (undo->canRedo())
            undo->redo();
        QCOMPARE(sizes(list), (QStringList{"⌀12", "⌀12", "М12-6gx60.58"}));
        QCOMPARE(list.totalKg(), 89.92); // 2 × 41,560 + 6,800
    }

    // A line's mass is its quantity times the printed mass of one piece, and a subtotal the sum
    // of its printed lines: 12 nuts М16 of 0,03761 kg are 12 × 0,038 = 0,456 kg, not 0,451.
    void printedLinesMultiplyOut_data()
    {
        QTest::addColumn<BomItem>("item");
        QTest::addColumn<QString>("onePiece");
        QTest::addColumn<QString>("line");
        BaseFixture base;
        QTest::newRow("12 nuts М16, 37,61 kg a thousand")
            << base.item(BaseFixture::kind(4, 1), {"16"}, {0, 0, 12, 0}) << "0,038" << "0,456";
        QTest::newRow("12 bolts М16×60, 129,4 kg a thousand")
            << base.item(BaseFixture::kind(4, 8), {"16", "60"}, {0, 0, 12, 0}) << "0,129" << "1,548";
        QTest::newRow("4 bars ⌀12 of 11,7 m, 0,888 kg/m")
            << base.item(BaseFixture::kind(3, 2), {"12"}, {0, 11700, 4, 0}) << "10,390" << "41,560";
        QTest::newRow("mesh of 12,5 m², 4,52 kg/m²")
            << base.item(BaseFixture::kind(3, 4), {"5"}, {0, 0, 0, 12.5}, ProductOption::Rhombic) << "4,520" << "56,500";
    }
    void printedLinesMultiplyOut()
    {
        QFETCH(BomItem, item);
        QFETCH(QString, onePiece);
        QFETCH(QString, line);
        BillOfMaterials list;
        list.add(item);
        BomItem other = item;
        other.standard = QStringLiteral("ТУ без строки"); // a second group of the same line
        list.add(other);
        const QList<BomTable::Row> rows = BomTable::rows(list);
        QCOMPARE(BomTable::cell(list, rows.at(1), BomTable::OnePiece), onePiece);
        QCOMPARE(BomTable::cell(list, rows.at(1), BomTable::Mass), line);
        QCOMPARE(BomTable::cell(list, rows.at(2), BomTable::Mass), line); // the subtotal of one line
        const double printed = BomTable::readFigure(line).value();
        QCOMPARE(BomTable::cell(list, rows.at(rows.size() - 2), BomTable::Mass), BomTable::mass(2 * printed));
    }

    // The same size, length, grade and group added again is one line: the quantities add up,
    // and the adding is undone as one change. Any of them different makes a line of its own.
    void identicalItemsMerge_data()
    {
        QTest::addColumn<BomItem>("second");
        QTest::addColumn<int>("lines");
        QTest::addColumn<QString>("firstLine");
        Items items;
        QTest::newRow("the same") << items.angle() << 1 << "452,400";
        BomItem shorter = items.angle();
        shorter = *withLength(shorter, 3000);
        QTest::newRow("another length") << shorter << 2 << "226,200";
        BomItem graded = items.angle();
        graded.grade = QStringLiteral("С255");
        QTest::newRow("another grade") << graded << 2 << "226,200";
        BomItem grouped = items.angle();
        grouped.group = QStringLiteral("Связи");
        QTest::newRow("another group") << grouped << 2 << "226,200";
        QTest::newRow("another size") << items.angle63() << 2 << "226,200";
    }
    void identicalItemsMerge()
    {
        QFETCH(BomItem, second);
        QFETCH(int, lines);
        QFETCH(QString, firstLine);
        Items items;
        BillOfMaterials list;
        list.add(items.angle());
        QCOMPARE(list.add(second), lines - 1);
        QCOMPARE(list.count(), lines);
        QCOMPARE(BomTable::itemFields(list, 0).at(BomTable::Mass), firstLine);
        list.undoStack()->undo();
        QCOMPARE(list.count(), 1);
        QCOMPARE(list.items().at(0).inputs.pieces, 10.0);
    }

    // A grade's density scales the tables' masses (at 7,85 t/m³) by ρ / 7,85: the stainless
    // grades are at 7,90 (ГОСТ 9941-2022, annex A), and the line says so. The angle 50×5,
    // 6 m: 22,62 kg at 7,85; 22,62 × 7,90 / 7,85 = 22,764 kg.
    void gradeDensityScalesMass_data()
    {
        QTest::addColumn<QString>("grade");
        QTest::addColumn<QString>("onePiece");
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("shown");
        QTest::newRow("no grade") << "" << "22,620" << "226,200" << "";
        QTest::newRow("С255, carbon") << "С255" << "22,620" << "226,200" << "С255";
        QTest::newRow("09Г2С, low-alloyed") << "09Г2С" << "22,620" << "226,200" << "09Г2С";
        QTest::newRow("12Х18Н10Т, stainless") << "12Х18Н10Т" << "22,764" << "227,640" << "12Х18Н10Т, ρ 7,90";
        QTest::newRow("08Х18Н10 typed with its standard") << "08Х18Н10 ГОСТ 5632-2014" << "22,764" << "227,640"
                                                           << "08Х18Н10 ГОСТ 5632-2014, ρ 7,90";
        QTest::newRow("a grade typed, not offered") << "С255Б" << "22,620" << "226,200" << "С255Б";
    }
    void gradeDensityScalesMass()
    {
        QFETCH(QString, grade);
        QFETCH(QString, onePiece);
        QFETCH(QString, line);
        QFETCH(QString, shown);
        BaseFixture base;
        const Catalogue::Kind angle = BaseFixture::kind(2, 10);
        const int row = base.find(angle, {"50", "5"});
        const std::optional<CalcState> state = stateFor(angle, row, base.cells(angle, row), ProductOption::None);
        QVERIFY(state);
        const std::optional<BomItem> item = makeItem({angle, row, base.cells(angle, row), *state, {0, 6000, 10, 0},
                                                      ProductOption::None, grade, QString(), QString()});
        QVERIFY(item);
        BillOfMaterials list;
        list.add(*item);
        QCOMPARE(BomTable::itemFields(list, 0).at(BomTable::OnePiece), onePiece);
        QCOMPARE(BomTable::itemFields(list, 0).at(BomTable::Mass), line);
        QCOMPARE(BomTable::gradeText(*item), shown);
        // A later edit keeps the factor.
        QVERIFY(list.setQuantity(0, 1));
        QCOMPARE(BomTable::itemFields(list, 0).at(BomTable::Mass), onePiece);
    }

    // Marks given to selected items at once: their masses follow the grade, one undo takes it
    // all back; the marks are kept for the items added next.
    void marksForTheSelection()
    {
        Items items;
        BillOfMaterials list;
        list.add(items.angle());
        list.add(items.bolt());
        list.add(items.angle63());
        QSignalSpy settings(&list, &BillOfMaterials::settingsChanged);
        QVERIFY(list.setMarks({0, 2}, QStringLiteral(" 12Х18Н10Т "), QStringLiteral("Балки")));
        QCOMPARE(list.items().at(0).grade, QStringLiteral("12Х18Н10Т"));
        QCOMPARE(list.items().at(2).group, QStringLiteral("Балки"));
        QCOMPARE(list.items().at(1).grade, QString());
        QCOMPARE(BomTable::itemFields(list, 0).at(BomTable::Mass), QStringLiteral("227,640"));
        QVERIFY(!list.setMarks({0, 2}, QStringLiteral("12Х18Н10Т"), QStringLiteral("Балки")));
        list.undoStack()->undo();
        QCOMPARE(list.items().at(0).grade, QString());
        QCOMPARE(BomTable::itemFields(list, 0).at(BomTable::Mass), QStringLiteral("226,200"));
        QCOMPARE(settings.size(), 0);
        list.setNextMarks(QStringLiteral("С345"), QStringLiteral("Колонны"));
        QCOMPARE(settings.size(), 1);
        QCOMPARE(list.nextGrade(), QStringLiteral("С345"));
        QCOMPARE(list.settings().nextGroup, QStringLiteral("Колонны"));
    }

    // The list read at start is no change: nothing to undo and no notice, and it is grouped.
    void loadIsNoChange()
    {
        Items items;
        BillOfMaterials list;
        list.add(items.bolt());
        QSignalSpy changes(&list, &BillOfMaterials::changed);
        QSignalSpy loads(&list, &BillOfMaterials::loaded);
        list.load({items.angle(), items.bolt(), items.angle63(), items.angle()});
        QCOMPARE(changes.size(), 0);
        QCOMPARE(loads.size(), 1);
        QVERIFY(!list.undoStack()->canUndo());
        QCOMPARE(sizes(list), (QStringList{"L50×5", "L50×5", "М12-6gx60.58", "L63×40×5"}));
    }

    // The table as drawn: a heading, the items and a subtotal per standard, the totals in kg
    // and t; the length column's heading names what the items measure.
    void groupedTable()
    {
        Items items;
        BillOfMaterials list;
        list.add(items.angle());
        list.add(items.channel());
        list.add(*withLength(items.angle(), 3000));
        using K = BomTable::RowKind;
        const QList<BomTable::Row> rows = BomTable::rows(list);
        QList<K> kinds;
        for (const BomTable::Row &row : rows)
            kinds.append(row.kind);
        QCOMPARE(kinds, (QList<K>{K::GroupHeading, K::Item, K::Item, K::Subtotal, K::GroupHeading, K::Item,
                                  K::Subtotal, K::TotalKg, K::TotalTonnes}));
        const auto cell = [&](int row, int column) { return BomTable::cell(list, rows.at(row), column); };
        QCOMPARE(cell(0, BomTable::Number), QStringLiteral("ГОСТ 8509-93"));
        QCOMPARE(BomTable::itemFields(list, 1),
                 (QStringList{"2", "Уголок равнобокий", "ГОСТ 8509-93", "L50×5", "3000", "10", "11,310", "113,100"}));
        QCOMPARE(cell(3, BomTable::Name), QStringLiteral("Итого по ГОСТ 8509-93"));
        QCOMPARE(cell(3, BomTable::Mass), QStringLiteral("339,300"));
        QCOMPARE(cell(5, BomTable::Number), QStringLiteral("3"));
        QCOMPARE(cell(6, BomTable::Mass), QStringLiteral("69,720"));
        QCOMPARE(cell(7, BomTable::Name), QStringLiteral("Всего, кг"));
        QCOMPARE(cell(7, BomTable::Mass), QStringLiteral("409,020"));
        QCOMPARE(cell(8, BomTable::Name), QStringLiteral("Всего, т"));
        QCOMPARE(cell(8, BomTable::Mass), QStringLiteral("0,409"));
        QCOMPARE(BomTable::itemFields(list, 0, QLocale::c()).mid(6), (QStringList{"22.620", "226.200"}));

        QCOMPARE(BomTable::headings(list.items()).at(BomTable::Length), QStringLiteral("Длина, мм"));
        QCOMPARE(BomTable::headings({items.mesh()}).at(BomTable::Length), QStringLiteral("Площадь, м2"));
        QCOMPARE(BomTable::headings({items.mesh(), items.bolt()}).at(BomTable::Length),
                 QStringLiteral("Длина, мм / площадь, м2"));
        QVERIFY(BomTable::rows(BillOfMaterials()).isEmpty());
    }

    // The workbook's sheet as the export plugin writes it: every cell of the table once, in
    // rows from the top, each line from the headings down across all eight columns (so each
    // cell gets its border), and nothing written inside a merged heading or total label.
    void sheetCellsEachOnce()
    {
        Items items;
        BillOfMaterials list;
        list.add(items.angle());
        list.add(items.bolt());
        list.add(items.mesh());
        list.add(items.angle());
        const BomSheet::Sheet sheet = BomSheet::layout(list);
        QCOMPARE(sheet.columnWidths.size(), int(BomTable::ColumnCount));
        QCOMPARE(sheet.headingRow, 1);
        const int lastRow = 1 + int(BomTable::rows(list).size());
        QMap<int, QList<int>> columns; // row: the columns written
        int previous = 0;
        for (const BomSheet::Cell &cell : sheet.cells) {
            QVERIFY(cell.row >= previous && cell.row <= lastRow);
            QVERIFY(cell.column >= 0 && cell.lastColumn < BomTable::ColumnCount && cell.lastColumn >= cell.column);
            previous = cell.row;
            for (int c = cell.column; c <= cell.lastColumn; ++c) {
                QVERIFY2(!columns[cell.row].contains(c), qPrintable(BomSheet::cellName(cell.row, c)));
                columns[cell.row].append(c);
            }
        }
        QCOMPARE(columns.value(0), QList<int>{0});
        for (int r = sheet.headingRow; r <= lastRow; ++r)
            QCOMPARE(columns.value(r), (QList<int>{0, 1, 2, 3, 4, 5, 6, 7}));
        QCOMPARE(BomSheet::cellName(13, BomTable::Mass), QStringLiteral("H14"));
        QVERIFY(BomSheet::layout(BillOfMaterials()).cells.size() == 1 + BomTable::ColumnCount);
    }

    // Grouping keeps the order of first appearance and the order within each group.
    void groupedIsStable()
    {
        Items items;
        BomItem a1 = items.angle(), a2 = items.angle(), b = items.bolt(), r = items.rebar();
        a2.inputs.pieces = 2;
        const QList<BomItem> sorted = BillOfMaterials::grouped({b, a1, r, a2, b});
        QStringList order;
        for (const BomItem &item : sorted)
            order.append(item.rowDesignation + QString::number(item.inputs.pieces));
        QCOMPARE(order, (QStringList{"М12-6gx60100", "М12-6gx60100", "L50×510", "L50×52", "⌀124"}));
    }
};

QTEST_GUILESS_MAIN(TestBillOfMaterials)
#include "tst_billofmaterials.moc"
