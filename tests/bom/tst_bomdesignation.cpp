// How each kind's items are named and designated, on the built reference base: the size from
// the row's columns, the standard from the row or the title, and every designation of a table
// found again as exactly one row.

#include "basefixture.h"
#include "bom/bomdesignation.h"
#include "bom/bomspec.h"
#include "catalogue/datasource.h"
#include "catalogue/sizeselection.h"

#include <QRegularExpression>
#include <QSet>
#include <QTest>

Q_DECLARE_METATYPE(ProductOption)

namespace {

QString kindTag(const Catalogue::Kind &k)
{
    return QStringLiteral("%1/%2%3").arg(k.toolbar).arg(k.button).arg(
        k.answer == Catalogue::PipeAnswer::Yes ? QStringLiteral(" stainless") : QString());
}

// The columns of a kind's record source in the built base, also for tables without rows.
int builtColumnCount(const Catalogue::Kind &k)
{
    DataSource source;
    source.setDatabaseName(QStringLiteral(MORVEX_PROGRAM_DIR "base.mdb"));
    source.setRecordSource(QString::fromUtf8(k.recordSource));
    if (!source.Refresh())
        return -1;
    return source.records()->columnCount();
}

QList<int> columnsNamed(const char *pattern)
{
    QList<int> columns;
    if (!pattern)
        return columns;
    static const QRegularExpression column(QStringLiteral("\\{(\\d+)(?::n)?\\}"));
    for (const QRegularExpressionMatch &m : column.globalMatch(QString::fromUtf8(pattern)))
        columns.append(m.captured(1).toInt());
    return columns;
}

} // namespace

class TestBomDesignation : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia)); }

    // Every kind's title, split into the product's name and its standard.
    void titles_data()
    {
        QTest::addColumn<int>("toolbar");
        QTest::addColumn<int>("button");
        QTest::addColumn<bool>("stainless");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("standard");
        const auto row = [](int t, int b, bool s, const char *name, const char *standard) {
            QTest::addRow("%d/%d%s", t, b, s ? " stainless" : "") << t << b << s << QString::fromUtf8(name)
                                                                   << QString::fromUtf8(standard);
        };
        row(2, 1, false, "Шпунт Ларсена", "");
        row(2, 2, false, "Двутавр", "");
        row(2, 3, false, "Прокат стальной горячекатаный круглый", "ГОСТ 2590-2006");
        row(2, 4, false, "Прокат стальной горячекатаный квадратный", "ГОСТ 2591-2006");
        row(2, 5, false, "Рельсы железнодорожные", "");
        row(2, 6, false, "Швеллеры стальные гнутые равнополочные", "ГОСТ 8278-83");
        row(2, 7, false, "Швеллер", "ГОСТ 8240-97");
        row(2, 8, false, "Уголок неравнобокий", "ГОСТ 8510-86");
        row(2, 9, false, "Уголки стальные гнутые неравнополочные", "ГОСТ 19772-93");
        row(2, 10, false, "Уголок равнобокий", "ГОСТ 8509-93");
        row(2, 11, false, "Уголки стальные гнутые равнополочные", "ГОСТ 19771-93");
        row(2, 12, false, "Профили стальные гнутые зетовые", "");
        row(2, 13, false, "Трубы стальные электросварные прямошовные", "ГОСТ 10704-91");
        row(2, 13, true, "Трубы электросварные из коррозийно-стойкой стали", "ГОСТ 11068-81");
        row(2, 14, false, "Труба квадратная", "ГОСТ 8639-82");
        row(2, 15, false, "Трубы стальные бесшовные горячедеформированные", "ГОСТ 8732-78");
        row(3, 1, false, "Проволока общего назначения", "ГОСТ 3282-74");
        row(3, 2, false, "Арматура", "ГОСТ 5781-82");
        row(3, 3, false, "Арматура класса А-I (А240)", "ГОСТ 5781-82");
        row(3, 4, false, "Сетки стальные плетеные и тканые", "");
        row(3, 5, false, "Сетки сварные", "");
        row(3, 6, false, "Проволока для армирования ж/б конструкций", "ГОСТ 6727-80");
        row(4, 1, false, "Гайки шестигранные класса точности В (нормальной)", "ГОСТ 5915-70");
        row(4, 2, false, "Дюбели-гвозди с насаженными шайбами", "ТУ 14-4-1231-83");
        row(4, 3, false, "Шайбы", "ГОСТ 11371-78");
        row(4, 4, false, "Шайба уплотнительная ШУ-6К", "ТУ 36-2624-84");
        row(4, 5, false, "Винты самонарезающие с потайной головкой", "ГОСТ 10619-80*");
        row(4, 6, false, "Винты самонарезающие для металла и пластмассы", "ГОСТ 10618-80*");
        row(4, 7, false, "Заклепки комбинированные", "ТУ 36-2088-85");
        row(4, 8, false, "Болты с шестигранной головкой класса точности В", "ГОСТ 7798-70");
        row(5, 1, false, "Лист с рифлением", "ГОСТ 8568-77");
        row(5, 2, false, "Сталь листовая горячекатанная", "");
    }
    void titles()
    {
        QFETCH(int, toolbar);
        QFETCH(int, button);
        QFETCH(bool, stainless);
        QFETCH(QString, name);
        QFETCH(QString, standard);
        const BomDesignation::TitleParts parts =
            BomDesignation::splitTitle(QString::fromUtf8(BaseFixture::kind(toolbar, button, stainless).title));
        QCOMPARE(parts.name, name);
        QCOMPARE(parts.standard, standard);
    }

    // Every kind of the catalogue has its size pattern (an entry without one leaves it null),
    // and the names tell the kinds apart (a list file finds its kind by the name).
    void everyKindHasARuleAndItsOwnName()
    {
        QSet<QString> names;
        for (const Catalogue::Kind &k : Catalogue::kinds()) {
            QVERIFY2(k.designation.size, qPrintable(kindTag(k)));
            names.insert(BomDesignation::splitTitle(QString::fromUtf8(k.title)).name);
        }
        QCOMPARE(names.size(), Catalogue::kinds().size());
    }

    // Each rule reads only columns its record source has in the built base, tables still
    // without rows included.
    void rulesReadColumnsOfTheBuiltTables()
    {
        for (const Catalogue::Kind &k : Catalogue::kinds()) {
            const Catalogue::Designation *rule = &k.designation;
            const int columns = builtColumnCount(k);
            QVERIFY2(columns > 0, qPrintable(kindTag(k)));
            QList<int> named = columnsNamed(rule->size) + columnsNamed(rule->standard) + columnsNamed(rule->formerSize);
            QVERIFY2(!columnsNamed(rule->size).isEmpty(), qPrintable(kindTag(k)));
            for (int c : named)
                QVERIFY2(c < columns, qPrintable(QStringLiteral("%1 column %2 of %3").arg(kindTag(k)).arg(c).arg(columns)));
        }
    }

    // Rows of the built base as a designer writes them: a row of every kind the base has rows
    // for, by its leading cells, with its product option.
    void builtRows_data()
    {
        QTest::addColumn<int>("toolbar");
        QTest::addColumn<int>("button");
        QTest::addColumn<QStringList>("leading");
        QTest::addColumn<ProductOption>("option");
        QTest::addColumn<QString>("size");
        QTest::addColumn<QString>("standard");
        const auto row = [](const char *tag, int t, int b, QStringList leading, ProductOption o, const char *size,
                            const char *standard) {
            QTest::newRow(tag) << t << b << leading << o << QString::fromUtf8(size) << QString::fromUtf8(standard);
        };
        using P = ProductOption;
        row("sheet pile Л4", 2, 1, {"Л4"}, P::None, "Л4", "ТУ 14-2-879-89");
        row("sheet pile Л5-УМ, no document", 2, 1, {"Л5-УМ"}, P::None, "Л5-УМ", "");
        row("I-beam 20Б1", 2, 2, {"20Б1"}, P::None, "20Б1", "ГОСТ 26020-83");
        row("I-beam 20 of the sloped series", 2, 2, {"20"}, P::None, "20", "ГОСТ 8239-89");
        row("round bar 20", 2, 3, {"20"}, P::None, "⌀20", "ГОСТ 2590-2006");
        row("round bar 5.5", 2, 3, {"5.5"}, P::None, "⌀5,5", "ГОСТ 2590-2006");
        row("square bar 20", 2, 4, {"20"}, P::None, "20×20", "ГОСТ 2591-2006");
        row("rail Р65", 2, 5, {"Р65"}, P::None, "Р65", "ГОСТ Р 51685-2013");
        row("crane rail КР70", 2, 5, {"КР70"}, P::None, "КР70", "ГОСТ 4121-96");
        row("bent channel 100×50×4", 2, 6, {"100", "50", "4"}, P::None, "100×50×4", "ГОСТ 8278-83");
        row("channel 20П", 2, 7, {"20П"}, P::None, "20П", "ГОСТ 8240-97");
        row("channel 6,5У", 2, 7, {"6,5У"}, P::None, "6,5У", "ГОСТ 8240-97");
        row("unequal angle 63×40×5", 2, 8, {"63", "40", "5"}, P::None, "L63×40×5", "ГОСТ 8510-86");
        row("bent unequal angle 32×25×2", 2, 9, {"32", "25", "2.0"}, P::None, "32×25×2,0", "ГОСТ 19772-93");
        row("equal angle 50×5", 2, 10, {"50", "5"}, P::None, "L50×5", "ГОСТ 8509-93");
        row("bent equal angle 60×3 of table 1", 2, 11, {"60", "3.0", "2.70"}, P::None, "60×3,0, R 4", "ГОСТ 19771-93");
        row("bent equal angle 60×3 of table 2", 2, 11, {"60", "3.0", "2.67"}, P::None, "60×3,0, R 7", "ГОСТ 19771-93");
        row("welded pipe 57×3.5", 2, 13, {"57", "3.5"}, P::None, "57×3,5", "ГОСТ 10704-91");
        row("square pipe 50×3", 2, 14, {"50", "3.0"}, P::None, "50×50×3,0", "ГОСТ 8639-82");
        row("seamless pipe 57×3.5", 2, 15, {"57", "3.5"}, P::None, "57×3,5", "ГОСТ 8732-78");
        row("wire 1.20", 3, 1, {"1.20"}, P::None, "⌀1,20", "ГОСТ 3282-74");
        row("rebar 12", 3, 2, {"12"}, P::None, "⌀12", "ГОСТ 5781-82");
        row("rebar А-I 12", 3, 3, {"12"}, P::None, "⌀12", "ГОСТ 5781-82");
        row("woven mesh 5, rhombic", 3, 4, {"5"}, P::Rhombic, "5-1,2 (ромб)", "ГОСТ 5336-80");
        row("woven mesh 5, square", 3, 4, {"5"}, P::Square, "5-1,2 (квадрат)", "ГОСТ 5336-80");
        row("welded roll 100/100", 3, 5, {"5Вр-I 100/100 рулонная"}, P::None, "5Вр-I 100/100 рулонная", "ГОСТ 8478-81");
        row("welded mesh 4С 150/150, 4 mm", 3, 5, {"4С Вр-I 150/150"}, P::Wire4, "4С Вр-I 150/150 (Ø4 мм)", "ГОСТ 23279-85");
        row("reinforcing wire 4", 3, 6, {"4.0"}, P::None, "⌀4,0", "ГОСТ 6727-80");
        row("nut М12", 4, 1, {"12"}, P::None, "М12-6H", "ГОСТ 5915-70");
        row("bolt М12×60", 4, 8, {"12", "60"}, P::None, "М12-6gx60", "ГОСТ 7798-70");
        row("ribbed sheet 4, rhombic", 5, 1, {"4.0", "ромбическое"}, P::None, "4,0 мм, ромбическое", "ГОСТ 8568-77");
        row("sheet 10", 5, 2, {"10"}, P::None, "-10", "ГОСТ 19903-74");
        row("washer 12", 4, 3, {"12"}, P::None, "12", "ГОСТ 11371-78");
    }
    void builtRows()
    {
        QFETCH(int, toolbar);
        QFETCH(int, button);
        QFETCH(QStringList, leading);
        QFETCH(ProductOption, option);
        QFETCH(QString, size);
        QFETCH(QString, standard);
        BaseFixture base;
        const Catalogue::Kind k = BaseFixture::kind(toolbar, button);
        const int row = base.find(k, leading);
        QVERIFY(row >= 0);
        QCOMPARE(BomDesignation::rowDesignation(k, base.cells(k, row), option), size);
        QCOMPARE(BomDesignation::standard(k, base.cells(k, row), row), standard);
    }

    // The kinds whose tables have no rows yet in the built base, on rows of their column
    // layout: the rule already gives their size, and their standard where a row names none.
    void rowsOfEmptyTables_data()
    {
        QTest::addColumn<int>("toolbar");
        QTest::addColumn<int>("button");
        QTest::addColumn<bool>("stainless");
        QTest::addColumn<QStringList>("cells");
        QTest::addColumn<QString>("size");
        QTest::addColumn<QString>("standard");
        QTest::newRow("Z profile") << 2 << 12 << false << QStringList{"100", "50", "20", "3.0", "4.5", "5.8"}
                                   << "100×50×20×3,0" << "ГОСТ 13229-78";
        QTest::newRow("stainless pipe") << 2 << 13 << true << QStringList{"57", "3.5", ""} << "57×3,5"
                                        << "ГОСТ 11068-81";
        QTest::newRow("dowel-nail") << 4 << 2 << false << QStringList{"ДГ 3.7", "40", "1.5", "3.7", "12"}
                                    << "ДГ 3,7×40" << "ТУ 14-4-1231-83";
        QTest::newRow("sealing washer") << 4 << 4 << false << QStringList{"ШУ-6К", "6", "16", "1", "2"}
                                        << "ШУ-6К" << "ТУ 36-2624-84";
        QTest::newRow("screw of its own standard") << 4 << 5 << false << QStringList{"4", "16", "2", "ГОСТ 10618-80"}
                                                   << "4×16" << "ГОСТ 10618-80";
        QTest::newRow("screw without a standard cell") << 4 << 6 << false << QStringList{"4", "16", "2", ""}
                                                       << "4×16" << "ГОСТ 10618-80*";
        QTest::newRow("rivet") << 4 << 7 << false << QStringList{"", "4", "10", "3", "8", "1.2"} << "4×10"
                               << "ТУ 36-2088-85";
    }
    void rowsOfEmptyTables()
    {
        QFETCH(int, toolbar);
        QFETCH(int, button);
        QFETCH(bool, stainless);
        QFETCH(QStringList, cells);
        QFETCH(QString, size);
        QFETCH(QString, standard);
        const Catalogue::Kind k = BaseFixture::kind(toolbar, button, stainless);
        QCOMPARE(cells.size(), builtColumnCount(k));
        QCOMPARE(BomDesignation::rowDesignation(k, cells, ProductOption::None), size);
        QCOMPARE(BomDesignation::standard(k, cells, 0), standard);
    }

    // The later woven meshes are cloth of another standard.
    void wovenClothTakesItsOwnStandard()
    {
        const Catalogue::Kind k = BaseFixture::kind(3, 4);
        const QStringList cloth{"1", "0.4", "1000", "", "", "36", "1.2"};
        QCOMPARE(BomDesignation::standard(k, cloth, k.mesh.lastRow), QStringLiteral("ГОСТ 5336-80"));
        QCOMPARE(BomDesignation::standard(k, cloth, k.mesh.lastRow + 1), QStringLiteral("ГОСТ 3826-82"));
        QCOMPARE(SizeSelection::optionsFor(k, k.mesh.lastRow + 1), QList{ProductOption::None});
    }

    // The regional decimal separator, and the comparison key that reads both the same.
    void decimalSeparatorIsRegional()
    {
        BaseFixture base;
        const Catalogue::Kind k = BaseFixture::kind(2, 13);
        const QStringList cells = base.cells(k, base.find(k, {"57", "3.5"}));
        const QString point = BomDesignation::rowDesignation(k, cells, ProductOption::None, QLocale::c());
        const QString comma = BomDesignation::rowDesignation(k, cells, ProductOption::None);
        QCOMPARE(point, QStringLiteral("57×3.5"));
        QCOMPARE(comma, QStringLiteral("57×3,5"));
        QCOMPARE(BomDesignation::key(point), BomDesignation::key(comma));
        QVERIFY(BomDesignation::key(comma) != BomDesignation::key(QStringLiteral("57×3,0")));
    }

    // Items of the built base as a designer writes them in the technical specification of metal,
    // where their kind puts them (the form or a statement) and under which heading: the form's
    // profile with its standard, the statement's kind.
    void writtenInTheSpecification_data()
    {
        QTest::addColumn<BomItem>("item");
        QTest::addColumn<QString>("written");
        QTest::addColumn<int>("specClass");
        QTest::addColumn<QString>("heading");
        using SC = Catalogue::SpecClass;
        BaseFixture base;
        const auto row = [&base](const char *tag, int t, int b, const QStringList &leading, CalcInputs inputs,
                                 const char *written, SC c, const char *heading) {
            QTest::newRow(tag) << base.item(BaseFixture::kind(t, b), leading, inputs) << QString::fromUtf8(written)
                               << int(c) << QString::fromUtf8(heading);
        };
        row("I-beam 20Б1", 2, 2, {"20Б1"}, {0, 6000, 4, 0}, "20Б1", SC::Rolled, "Двутавры ГОСТ 26020-83");
        row("channel 16П", 2, 7, {"16П"}, {0, 6000, 6, 0}, "16П", SC::Rolled, "Швеллеры ГОСТ 8240-97");
        row("equal angle 63×5", 2, 10, {"63", "5"}, {0, 1200, 20, 0}, "L63×5", SC::Rolled,
            "Уголки равнополочные ГОСТ 8509-93");
        row("sheet 8×1500×3000", 5, 2, {"8.0"}, {1500, 3000, 2, 0}, "-8×1500×3000", SC::Sheet,
            "Прокат листовой ГОСТ 19903-74");
        row("round bar 20", 2, 3, {"20"}, {0, 1000, 1, 0}, "⌀20", SC::Rolled, "Круг ГОСТ 2590-2006");
        row("welded pipe 57×3.5", 2, 13, {"57", "3.5"}, {0, 6000, 1, 0}, "57×3,5", SC::Rolled,
            "Трубы электросварные ГОСТ 10704-91");
        row("bolt М16×60, class 5.8 at first", 4, 8, {"16", "60"}, {0, 0, 24, 0}, "Болт М16-6gx60.58 ГОСТ 7798-70",
            SC::Fastener, "Болт ГОСТ 7798-70");
        row("nut М16, class 5", 4, 1, {"16"}, {0, 0, 24, 0}, "Гайка М16-6H.5 ГОСТ 5915-70", SC::Fastener,
            "Гайка ГОСТ 5915-70");
        row("washer 16", 4, 3, {"16"}, {0, 0, 24, 0}, "Шайба 16 ГОСТ 11371-78", SC::Fastener, "Шайба ГОСТ 11371-78");
        row("rebar 12", 3, 2, {"12"}, {0, 11700, 4, 0}, "⌀12", SC::Reinforcement, "Арматура ГОСТ 5781-82");
        BomItem strong = base.item(BaseFixture::kind(4, 8), {"16", "60"}, {0, 0, 24, 0});
        strong.propertyClass = QStringLiteral("8.8");
        QTest::newRow("bolt of class 8.8") << strong << QStringLiteral("Болт М16-6gx60.88 ГОСТ 7798-70")
                                           << int(SC::Fastener) << QStringLiteral("Болт ГОСТ 7798-70");
    }
    void writtenInTheSpecification()
    {
        QFETCH(BomItem, item);
        QFETCH(QString, written);
        QFETCH(int, specClass);
        QFETCH(QString, heading);
        QCOMPARE(BomDesignation::written(item), written);
        const Catalogue::Kind *kind = Catalogue::find(item.kindId);
        QVERIFY(kind);
        QCOMPARE(int(kind->spec.specClass), specClass);
        QCOMPARE(BomSpec::profileOf(item), heading);
    }

    // A sheet's designation carries the width and length typed in, and gives the width back.
    void sheetSize()
    {
        BaseFixture base;
        const BomItem sheet = base.item(BaseFixture::kind(5, 2), {"10"}, {1500, 6000, 2, 0});
        QCOMPARE(BomDesignation::designation(sheet), QStringLiteral("-10×1500×6000"));
        const BomItem metres = base.item(BaseFixture::kind(5, 2), {"10"}, {1.25, 6.5, 2, 0}, ProductOption::None, 1);
        QCOMPARE(BomDesignation::designation(metres), QStringLiteral("-10×1250×6500"));
        QCOMPARE(BomDesignation::designation(metres, QLocale::c()), QStringLiteral("-10×1250×6500"));
        const BomItem thin = base.item(BaseFixture::kind(5, 2), {"0.5"}, {710.5, 1420, 1, 0});
        const std::optional<BomDesignation::SheetParts> plain = BomDesignation::splitSheetSize(BomDesignation::designation(thin));
        QVERIFY(plain);
        QCOMPARE(plain->row, QStringLiteral("-0,5"));
        QCOMPARE(plain->width, 710.5);
        // As lists kept before wrote it.
        const std::optional<BomDesignation::SheetParts> former = BomDesignation::splitSheetSize(QStringLiteral("10 мм, 1500×6000"));
        QVERIFY(former);
        QCOMPARE(former->row, QStringLiteral("10 мм"));
        QCOMPARE(former->width, 1500.0);
        const BomItem ribbed = base.item(BaseFixture::kind(5, 1), {"4.0", "ромбическое"}, {1500.5, 6000, 1, 0});
        const QString text = BomDesignation::designation(ribbed);
        QCOMPARE(text, QStringLiteral("4,0 мм, ромбическое, 1500,5×6000"));
        const std::optional<BomDesignation::SheetParts> parts = BomDesignation::splitSheetSize(text);
        QVERIFY(parts);
        QCOMPARE(parts->row, QStringLiteral("4,0 мм, ромбическое"));
        QCOMPARE(parts->width, 1500.5);
        QVERIFY(!BomDesignation::splitSheetSize(QStringLiteral("4,0 мм, ромбическое")));
    }

    // Every row of every kind of the built base, with each option it can take, has a size of
    // its own: the size finds the row again when a list is read.
    void everyBuiltDesignationIsOneRow()
    {
        BaseFixture base;
        int kindsWithRows = 0;
        for (const Catalogue::Kind &k : Catalogue::kinds()) {
            const QList<QStringList> *table = base.rows.rows(k);
            QVERIFY2(table, qPrintable(kindTag(k)));
            kindsWithRows += !table->isEmpty();
            QSet<QString> keys;
            int designations = 0;
            for (int r = 0; r < table->size(); ++r) {
                for (ProductOption option : SizeSelection::optionsFor(k, r)) {
                    const QString size = BomDesignation::rowDesignation(k, table->at(r), option);
                    QVERIFY2(!size.trimmed().isEmpty(), qPrintable(kindTag(k)));
                    keys.insert(BomDesignation::key(size));
                    ++designations;
                }
            }
            QVERIFY2(keys.size() == designations, qPrintable(QStringLiteral("%1: %2 sizes for %3 designations")
                                                                 .arg(kindTag(k)).arg(keys.size()).arg(designations)));
        }
        // The base is being filled: at least the kinds that had rows when this was written.
        QVERIFY(kindsWithRows >= 25);
    }
};

QTEST_GUILESS_MAIN(TestBomDesignation)
#include "tst_bomdesignation.moc"
