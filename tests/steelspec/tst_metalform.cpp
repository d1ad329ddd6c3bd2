// The technical specification of metal worked out from the items' lines: grouping by profile,
// grade and size, the rows' texts and numbers, the group columns, and totals that are the sums
// of the printed cells they cover whatever the rounding.

#include "steelspec/metalform.h"
#include "steelspec/steelgrades.h"

#include <QTest>

using MetalForm::Line;
using MetalForm::Row;

Q_DECLARE_METATYPE(SpecMassUnit)

namespace {

const QString Beams = QStringLiteral("Двутавры ГОСТ 26020-83");
const QString Channels = QStringLiteral("Швеллеры ГОСТ 8240-97");
const QString Angles = QStringLiteral("Уголки равнополочные ГОСТ 8509-93");
const QString Sheet = QStringLiteral("Прокат листовой ГОСТ 19903-74");

Line line(const QString &profile, int profileOrder, const char *grade, const char *size, int sizeOrder,
          const char *group, double kg)
{
    return {profile, profileOrder, QString::fromUtf8(grade), QString::fromUtf8(size), sizeOrder,
            QString::fromUtf8(group), kg};
}

// A platform: columns of 20Б1, beams of 16П channels, angles 63×5 of two grades, two sheets,
// given in no particular order.
QList<Line> platform()
{
    return {
        line(Angles, 9, "С345", "63×5", 40, "Связи", 96.4),
        line(Beams, 1, "С255", "20Б1", 20, "Колонны", 511.2),
        line(Channels, 6, "С255", "16П", 12, "Балки", 508.0),
        line(Sheet, 30, "С255", "-8×1500×3000", 8, "Колонны", 282.6),
        line(Angles, 9, "С255", "63×5", 40, "Связи", 192.8),
        line(Sheet, 30, "С255", "-12×1500×6000", 12, "Площадки", 847.8),
        line(Sheet, 30, "С255", "-8×1500×3000", 8, "Площадки", 282.6),
        line(Beams, 1, "С255", "20Б1", 20, "Колонны", 127.8),
    };
}

QString describe(const Row &row)
{
    return QStringLiteral("row %1 (%2|%3|%4)").arg(row.number).arg(row.profile, row.metal, row.size);
}

} // namespace

class TestMetalForm : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia)); }

    // Profiles in the catalogue's order, grades in the offered order, sizes in the tables'
    // order; a size met in several lines is one row; the profile and the grade are written on
    // their first row only; every row is numbered.
    void groupingAndTexts()
    {
        const MetalForm::Form form = MetalForm::make(platform());
        QCOMPARE(form.groups, (QStringList{"Колонны", "Балки", "Связи", "Площадки"}));
        using K = Row::Kind;
        const QList<std::tuple<K, QString, QString, QString>> expected{
            {K::Size, Beams, "С255 ГОСТ 27772-2015", "20Б1"},
            {K::GradeTotal, "", "", "Итого:"},
            {K::ProfileTotal, "", "", "Всего профиля:"},
            {K::Size, Channels, "С255 ГОСТ 27772-2015", "16П"},
            {K::GradeTotal, "", "", "Итого:"},
            {K::ProfileTotal, "", "", "Всего профиля:"},
            {K::Size, Angles, "С255 ГОСТ 27772-2015", "63×5"},
            {K::GradeTotal, "", "", "Итого:"},
            {K::Size, "", "С345 ГОСТ 27772-2015", "63×5"},
            {K::GradeTotal, "", "", "Итого:"},
            {K::ProfileTotal, "", "", "Всего профиля:"},
            {K::Size, Sheet, "С255 ГОСТ 27772-2015", "-8×1500×3000"},
            {K::Size, "", "", "-12×1500×6000"},
            {K::GradeTotal, "", "", "Итого:"},
            {K::ProfileTotal, "", "", "Всего профиля:"},
            {K::GrandTotal, "Всего масса металла:", "", ""},
            {K::GradeShare, "В том числе по маркам или наименованиям:", "С255 ГОСТ 27772-2015", ""},
            {K::GradeShare, "", "С345 ГОСТ 27772-2015", ""},
        };
        QCOMPARE(form.rows.size(), expected.size());
        for (qsizetype i = 0; i < expected.size(); ++i) {
            const Row &row = form.rows.at(i);
            const auto &[kind, profile, metal, size] = expected.at(i);
            QVERIFY2(row.kind == kind && row.profile == profile && row.metal == metal && row.size == size,
                     qPrintable(describe(row)));
            QCOMPARE(row.number, int(i) + 1);
        }
        // 20Б1: 511.2 + 127.8 kg of columns in one cell; -8×1500×3000 split by group.
        QCOMPARE(form.rows.at(0).byGroup, (QList<std::optional<std::int64_t>>{64, {}, {}, {}}));
        QCOMPARE(form.rows.at(11).byGroup, (QList<std::optional<std::int64_t>>{28, {}, {}, 28}));
        QCOMPARE(form.rows.at(11).total, 56);
        QCOMPARE(form.rows.at(15).total, 64 + 51 + 19 + 10 + 56 + 85);
    }

    // Each total cell is the sum of the printed cells of the rows it covers, each row's total
    // the sum of its cells, the grades' shares add up to the whole: for every rounding, with and
    // without the allowance.
    void totalsAreSumsOfPrintedCells_data()
    {
        QTest::addColumn<SpecMassUnit>("unit");
        QTest::addColumn<bool>("allowance");
        for (const auto &[name, unit] : {std::pair{"t, 1 decimal", SpecMassUnit::Tonnes1},
                                         std::pair{"t, 2 decimals", SpecMassUnit::Tonnes2},
                                         std::pair{"t, 3 decimals", SpecMassUnit::Tonnes3},
                                         std::pair{"kg", SpecMassUnit::Kilograms}}) {
            QTest::addRow("%s", name) << unit << false;
            QTest::addRow("%s, allowance", name) << unit << true;
        }
    }
    void totalsAreSumsOfPrintedCells()
    {
        QFETCH(SpecMassUnit, unit);
        QFETCH(bool, allowance);
        MetalForm::Settings settings;
        settings.unit = unit;
        settings.allowance.on = allowance;
        settings.allowance.percent = 1.5;
        QList<Line> lines = platform();
        // Masses that round differently alone than summed.
        lines.append(line(Angles, 9, "С255", "50×5", 30, "Связи", 4.46));
        lines.append(line(Angles, 9, "С255", "75×6", 45, "Связи", 4.46));
        const MetalForm::Form form = MetalForm::make(lines, settings);
        QCOMPARE(form.unit, unit);
        std::int64_t shares = 0;
        const Row *grand = nullptr;
        for (const Row &row : form.rows) {
            std::int64_t sum = 0;
            for (const std::optional<std::int64_t> &cell : row.byGroup)
                sum += cell.value_or(0);
            QVERIFY2(row.total == sum, qPrintable(describe(row)));
            for (qsizetype g = 0; g < form.groups.size() && !row.sumOf.isEmpty(); ++g) {
                std::optional<std::int64_t> covered;
                for (const int at : row.sumOf)
                    if (const std::optional<std::int64_t> cell = form.rows.at(at).byGroup.at(g))
                        covered = covered.value_or(0) + *cell;
                QVERIFY2(row.byGroup.at(g) == covered, qPrintable(describe(row)));
            }
            if (row.kind == Row::Kind::GradeTotal || row.kind == Row::Kind::ProfileTotal
                || row.kind == Row::Kind::GrandTotal || row.kind == Row::Kind::GradeShare)
                QVERIFY2(!row.sumOf.isEmpty(), qPrintable(describe(row)));
            if (row.kind == Row::Kind::GradeShare)
                shares += row.total;
            if (row.kind == Row::Kind::GrandTotal)
                grand = &row;
        }
        QVERIFY(grand);
        QCOMPARE(shares, grand->total);
        const bool hasAllowance = std::any_of(form.rows.cbegin(), form.rows.cend(),
                                              [](const Row &r) { return r.kind == Row::Kind::Allowance; });
        QCOMPARE(hasAllowance, allowance);
    }

    // Two sizes of 4.46 kg are 0.00 t each at two decimals: their total is 0.00, the sum of what
    // is printed, not the 0.01 of their rounded sum; at one decimal 0.649 t and 0.149 t are 0.6
    // and 0.1, and their total 0.7, not the 0.8 that 798 kg would round to.
    void rowsAreRoundedBeforeTheyAreAdded()
    {
        const QList<Line> small{line(Angles, 9, "С255", "50×5", 30, "Связи", 4.46),
                                line(Angles, 9, "С255", "75×6", 45, "Связи", 4.46)};
        const MetalForm::Form two = MetalForm::make(small);
        QCOMPARE(two.rows.at(0).total, 0);
        QCOMPARE(two.rows.at(2).total, 0);
        MetalForm::Settings tenths;
        tenths.unit = SpecMassUnit::Tonnes1;
        const MetalForm::Form one = MetalForm::make(
            {line(Beams, 1, "С255", "20Б1", 20, "Колонны", 649), line(Beams, 1, "С255", "30Б1", 30, "Колонны", 149)},
            tenths);
        QCOMPARE(one.rows.at(0).total, 6);
        QCOMPARE(one.rows.at(1).total, 1);
        QCOMPARE(one.rows.at(2).total, 7);
        QCOMPARE(SpecMass::text(one.rows.at(2).total, tenths.unit), QStringLiteral("0,7"));
    }

    // The allowance's cells are its per cent of each group's printed mass, rounded; it is a
    // row of its own, counted in the whole and named among the shares.
    void allowance()
    {
        MetalForm::Settings settings;
        settings.allowance.on = true;
        settings.allowance.percent = 1;
        const MetalForm::Form form = MetalForm::make(platform(), settings);
        const auto at = [&form](Row::Kind kind) {
            return std::find_if(form.rows.cbegin(), form.rows.cend(), [kind](const Row &r) { return r.kind == kind; });
        };
        const auto allowance = at(Row::Kind::Allowance);
        QVERIFY(allowance != form.rows.cend());
        QCOMPARE(allowance->profile, QStringLiteral("Масса наплавленного металла 1 %"));
        // Columns 0.64 + 0.28 t: 1 % is 9.2 kg, 0.01 t; beams 0.51 t: 5.1 kg, 0.01 t; bracing
        // 0.29 t: 2.9 kg, 0.00 t; platforms 1.13 t: 11.3 kg, 0.01 t.
        QCOMPARE(allowance->byGroup, (QList<std::optional<std::int64_t>>{1, 1, 0, 1}));
        QCOMPARE(at(Row::Kind::GrandTotal)->total, 285 + 3);
        QCOMPARE(form.rows.last().metal, QStringLiteral("Масса наплавленного металла"));
        QCOMPARE(form.rows.last().total, 3);
        // Off by default.
        const MetalForm::Form plain = MetalForm::make(platform());
        QVERIFY(std::none_of(plain.rows.cbegin(), plain.rows.cend(),
                             [](const Row &r) { return r.kind == Row::Kind::Allowance; }));
    }

    // Group columns: only those present, the offered ones in their order, a typed one after
    // them, an item without a group under "Прочие". Grades: a typed one after the offered ones,
    // with no standard; an item without one says so.
    void typedGroupsAndGrades()
    {
        const QList<Line> lines{line(Beams, 1, "", "20Б1", 20, "", 100),
                                line(Beams, 1, "С355-6", "20Б1", 20, "Эстакада", 100),
                                line(Beams, 1, "С245", "20Б1", 20, "Прогоны", 100),
                                line(Beams, 1, "С245", "20Б1", 20, "Колонны", 100)};
        const MetalForm::Form form = MetalForm::make(lines);
        QCOMPARE(form.groups, (QStringList{"Колонны", "Прогоны", "Прочие", "Эстакада"}));
        QStringList metals;
        for (const Row &row : form.rows)
            if (row.kind == Row::Kind::Size)
                metals.append(row.metal);
        QCOMPARE(metals, (QStringList{"С245 ГОСТ 27772-2015", "С355-6", "Марка не указана"}));
    }

    void noLinesNoForm()
    {
        QVERIFY(MetalForm::make({}).isEmpty());
    }
};

QTEST_MAIN(TestMetalForm)
#include "tst_metalform.moc"
