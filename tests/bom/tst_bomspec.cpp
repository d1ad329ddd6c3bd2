// The materials list as the technical specification of metal: a platform's list from the built
// base counted where each kind goes (form, statement of fasteners, statement of reinforcement
// steel), grouped by profile, grade and size, its totals the sums of the printed cells in every
// unit, and the settings kept with the list read back.

#include "bom/bomspec.h"
#include "bom/specsettingsfile.h"
#include "platformlist.h"

#include <QTemporaryDir>
#include <QTest>

namespace {

const MetalForm::Row *rowOf(const MetalForm::Form &form, MetalForm::Row::Kind kind)
{
    for (const MetalForm::Row &row : form.rows)
        if (row.kind == kind)
            return &row;
    return nullptr;
}

} // namespace

class TestBomSpec : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia)); }

    // Rolled products and sheet in the form, by profile in the catalogue's order, then grade and
    // size; a sheet by its thickness; fasteners in their statement; no statement of
    // reinforcement steel for a list without it.
    void platformGoesWhereItsKindsBelong()
    {
        BaseFixture base;
        const QList<BomItem> items = platformList(base);
        const MetalForm::Form form = MetalForm::make(BomSpec::formLines(items));
        QStringList texts;
        for (const MetalForm::Row &row : form.rows)
            if (row.kind == MetalForm::Row::Kind::Size)
                texts.append(QStringList{row.profile, row.metal, row.size}.join(QLatin1Char('|')));
        QCOMPARE(texts, (QStringList{"Двутавры ГОСТ 26020-83|С255 ГОСТ 27772-2015|20Б1",
                                     "Швеллеры ГОСТ 8240-97|С255 ГОСТ 27772-2015|16П",
                                     "Уголки равнополочные ГОСТ 8509-93|С245 ГОСТ 27772-2015|L63×5",
                                     "Прокат листовой ГОСТ 19903-74|С255 ГОСТ 27772-2015|-8"}));
        QCOMPARE(form.groups, (QStringList{"Колонны", "Балки", "Связи", "Площадки"}));
        const FastenerStatement::Statement fasteners = FastenerStatement::make(BomSpec::fastenerLines(items));
        QStringList names;
        for (const FastenerStatement::Row &row : fasteners.rows)
            names.append(row.designation);
        // A bolt's set as designers write it: the bolt, its nut, its washer.
        QCOMPARE(names, (QStringList{"Болт М16-6gx60.58 ГОСТ 7798-70", "Гайка М16-6H.5 ГОСТ 5915-70",
                                     "Шайба 16 ГОСТ 11371-78"}));
        QCOMPARE(fasteners.totalGrams, 4272);
        QVERIFY(BomSpec::steelUseLines(items).isEmpty());
        const QList<SpecTable> tables = BomSpec::tables(items, {});
        QCOMPARE(tables.size(), 2);
        QCOMPARE(tables.at(1).title, FastenerStatement::Title);
        QCOMPARE(BomSpec::tables({}, {}).size(), 1);
    }

    // The masses rounded in each cell first, every total the sum of the printed cells: 0,38 +
    // 0,51 + 0,12 + 0,57 t print 1,58 t, while the 1568,16 kg of the list would round to 1,57.
    void grandTotalIsTheSumOfPrintedCells_data()
    {
        QTest::addColumn<SpecMassUnit>("unit");
        QTest::addColumn<QString>("total");
        QTest::addColumn<QString>("sheets");
        QTest::newRow("t, 1 decimal: 0,4 + 0,5 + 0,1 + 0,6") << SpecMassUnit::Tonnes1 << "1,6" << "0,6";
        QTest::newRow("t, 2 decimals: 0,38 + 0,51 + 0,12 + 0,57") << SpecMassUnit::Tonnes2 << "1,58" << "0,57";
        QTest::newRow("t, 3 decimals: 0,376 + 0,511 + 0,115 + 0,565") << SpecMassUnit::Tonnes3 << "1,567" << "0,565";
        QTest::newRow("kg: 376 + 511 + 115 + 565") << SpecMassUnit::Kilograms << "1567" << "565";
    }
    void grandTotalIsTheSumOfPrintedCells()
    {
        QFETCH(SpecMassUnit, unit);
        QFETCH(QString, total);
        QFETCH(QString, sheets);
        BaseFixture base;
        MetalForm::Settings settings;
        settings.unit = unit;
        const MetalForm::Form form = MetalForm::make(BomSpec::formLines(platformList(base)), settings);
        const MetalForm::Row *grand = rowOf(form, MetalForm::Row::Kind::GrandTotal);
        QVERIFY(grand);
        QCOMPARE(SpecMass::text(grand->total, unit), total);
        QCOMPARE(SpecMass::text(grand->byGroup.at(3).value(), unit), sheets);
    }

    // The settings kept beside the list come back as written, under any locale; a missing or
    // garbled file gives the defaults (t with 2 decimals, no allowance line).
    void settingsFile_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::newRow("Russian") << QLocale(QLocale::Russian, QLocale::Russia);
        QTest::newRow("point decimals") << QLocale::c();
    }
    void settingsFile()
    {
        QFETCH(QLocale, locale);
        QLocale::setDefault(locale);
        SpecSettings settings;
        settings.spec.heading = {QStringLiteral("Склад = 2"), QStringLiteral("КМ, лист 3\nвторая строка")};
        settings.spec.form.unit = SpecMassUnit::Kilograms;
        settings.spec.form.allowance = {true, QStringLiteral("Наплавленный металл"), 1.5};
        settings.nextGrade = QStringLiteral("12Х18Н10Т");
        settings.nextGroup = QStringLiteral("Связи");
        QTemporaryDir dir;
        const QString path = SpecSettingsFile::pathBeside(dir.filePath(QStringLiteral("specification.csv")));
        QCOMPARE(SpecSettingsFile::save(path, settings), QString());
        QVERIFY(SpecSettingsFile::write(settings).contains("allowance-percent=1.5\n"));
        SpecSettings expected = settings;
        expected.spec.heading.sheet = QStringLiteral("КМ, лист 3 вторая строка");
        QVERIFY(SpecSettingsFile::load(path) == expected);
        QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));

        const SpecSettings defaults;
        QCOMPARE(defaults.spec.form.unit, SpecMassUnit::Tonnes2);
        QVERIFY(!defaults.spec.form.allowance.on);
        QVERIFY(SpecSettingsFile::load(dir.filePath(QStringLiteral("none.txt"))) == defaults);
        QVERIFY(SpecSettingsFile::parse("\xFF\xFE garbage\nunit=tons\nallowance-percent=1,5\n") == defaults);
    }
};

QTEST_GUILESS_MAIN(TestBomSpec)
#include "tst_bomspec.moc"
