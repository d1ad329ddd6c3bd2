// What an own row must hold for the mass rules of its kind, at its place in the record set.

#include "ownsizes/sizerule.h"

#include <QTest>

namespace {

const QStringList Angle{"b, мм", "t, мм", "Масса 1 м, кг"};
// Read through a select of two columns: the mass is the second selected, the third of the table.
const QStringList Round{"Диаметр, мм", "Площадь", "Масса 1м, кГ", "index"};
// The thickness is the first selected column; here the table holds it second.
const QStringList Sheet{"index", "Толщина а, мм", "МАХ ширина листа b, мм", "МАХ длина листа, мм", "ГОСТ"};
const QStringList Stainless{"D, мм", "s, мм", "Масса 1 м, кг"};
const QStringList Wire{"Диаметр, мм", "Вид поверхности"};
const QStringList Piles{"Тип шпунта", "b, мм", "b1, мм", "h, мм", "s, мм", "Масса 1 м, кг"};
const QStringList Welded{"Сетка", "Стандарт", "d", "a, мм", "b, мм"};
const QStringList Woven{"Номер", "d", "Ширина", "Ромб", "Квадрат", "Ячейка", "Масса 1 м2"};
const QStringList Bolts{"Диаметр резьбы, мм", "Длина болта, мм", "Масса 1000 шт, кг"};

QString positive(const QString &column)
{
    return QStringLiteral("В поле «%1» должно стоять положительное число.").arg(column);
}

} // namespace

class TestSizeRule : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void checks_data()
    {
        QTest::addColumn<QString>("table");
        QTest::addColumn<QStringList>("columns");
        QTest::addColumn<QStringList>("row");
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("message"); // empty: the row is taken
        QTest::addColumn<int>("column");

        const QString mass = positive(QStringLiteral("Масса 1 м, кг"));
        QTest::newRow("angle") << "уголок" << Angle << QStringList{"50", "5", "10.5"} << 1 << "" << -1;
        QTest::newRow("angle, blanks around") << "уголок" << Angle << QStringList{"", "", " 10.5 "} << 1 << "" << -1;
        QTest::newRow("angle, exponent") << "уголок" << Angle << QStringList{"", "", "1.05e1"} << 1 << "" << -1;
        QTest::newRow("angle, no mass") << "уголок" << Angle << QStringList{"50", "5", ""} << 1 << mass << 2;
        QTest::newRow("angle, words") << "уголок" << Angle << QStringList{"50", "5", "около 10"} << 1 << mass << 2;
        QTest::newRow("angle, leading number") << "уголок" << Angle << QStringList{"50", "5", "10кг"} << 1 << mass << 2;
        QTest::newRow("angle, decimal comma") << "уголок" << Angle << QStringList{"50", "5", "10,5"} << 1 << mass << 2;
        QTest::newRow("angle, zero") << "уголок" << Angle << QStringList{"50", "5", "0"} << 1 << mass << 2;
        QTest::newRow("angle, negative") << "уголок" << Angle << QStringList{"50", "5", "-10.5"} << 1 << mass << 2;
        QTest::newRow("angle, too large") << "уголок" << Angle << QStringList{"50", "5", "1e400"} << 1 << mass << 2;
        QTest::newRow("angle, nothing at all") << "уголок" << Angle << QStringList{" ", "", ""} << 1
                                               << "Заполните хотя бы одно поле." << -1;

        QTest::newRow("round bar: the selected mass") << "Прокат круглый" << Round << QStringList{"10", "", "0.617", ""} << 0 << "" << -1;
        QTest::newRow("round bar: area is not mass") << "Прокат круглый" << Round << QStringList{"10", "0.785", "", "1"} << 0
                                                     << positive(QStringLiteral("Масса 1м, кГ")) << 2;
        QTest::newRow("sheet: thickness") << "лист гладкий" << Sheet << QStringList{"", "10", "", "", ""} << 0 << "" << -1;
        QTest::newRow("sheet: no thickness") << "лист гладкий" << Sheet << QStringList{"1", "", "2500", "12000", ""} << 0
                                             << positive(QStringLiteral("Толщина а, мм")) << 1;
        QTest::newRow("bolts: all columns") << "Болты В" << Bolts << QStringList{"12", "60", ""} << 0
                                            << positive(QStringLiteral("Масса 1000 шт, кг")) << 2;
        QTest::newRow("z-profile") << "z профиль" << QStringList{"h", "b", "a", "s", "Масса 1 м, кг", "Площадь"}
                                   << QStringList{"200", "", "", "", "", "12"} << 0 << mass << 4;

        QTest::newRow("stainless pipe") << "трубы из нерж" << Stainless << QStringList{"57", "3.5", ""} << 0 << "" << -1;
        QTest::newRow("stainless, no wall") << "трубы из нерж" << Stainless << QStringList{"57", "", ""} << 0
                                            << positive(QStringLiteral("s, мм")) << 1;
        QTest::newRow("stainless, no diameter") << "трубы из нерж" << Stainless << QStringList{"", "3.5", "4.6"} << 0
                                                << positive(QStringLiteral("D, мм")) << 0;
        QTest::newRow("stainless, wall as thick") << "трубы из нерж" << Stainless << QStringList{"3.5", "3.5", ""} << 0
                                                  << "Число в поле «D, мм» должно быть больше числа в поле «s, мм»." << 0;
        QTest::newRow("wire") << "Провол" << Wire << QStringList{"6", ""} << 0 << "" << -1;
        QTest::newRow("wire, no diameter") << "Провол" << Wire << QStringList{"", "без покрытия"} << 0
                                           << positive(QStringLiteral("Диаметр, мм")) << 0;
        QTest::newRow("sheet piles") << "шпунт" << Piles << QStringList{"Л5", "", "", "", "", "100.0"} << 0 << "" << -1;
        QTest::newRow("sheet piles, no mass") << "шпунт" << Piles << QStringList{"Л5", "", "", "", "", ""} << 0 << mass << 5;

        QTest::newRow("welded mesh, fixed place") << "Сетка сварная" << Welded << QStringList{"x", "", "", "", ""} << 2 << "" << -1;
        QTest::newRow("welded mesh, spacings") << "Сетка сварная" << Welded << QStringList{"x", "", "", "100", "50"} << 3 << "" << -1;
        QTest::newRow("welded mesh, a spacing of 0") << "Сетка сварная" << Welded << QStringList{"x", "", "", "100", "0"} << 3
                                                     << positive(QStringLiteral("b, мм")) << 4;

        QTest::newRow("woven mesh, both shapes") << "Сетка плетеная" << Woven << QStringList{"5", "", "", "4.2", "3.1", "", ""} << 46 << "" << -1;
        QTest::newRow("woven mesh, rhombic only") << "Сетка плетеная" << Woven << QStringList{"5", "", "", "4.5", "0", "", ""} << 1 << "" << -1;
        QTest::newRow("woven mesh, square only") << "Сетка плетеная" << Woven << QStringList{"5", "", "", "", "3.3", "", ""} << 1 << "" << -1;
        QTest::newRow("woven mesh, neither") << "Сетка плетеная" << Woven << QStringList{"5", "", "", "0", "", "", "0.8"} << 1
                                             << "В поле «Ромб» или «Квадрат» должно стоять положительное число." << 3;
        QTest::newRow("woven mesh, a word") << "Сетка плетеная" << Woven << QStringList{"5", "", "", "4.5", "нет", "", ""} << 1
                                            << "В поле «Квадрат» должно стоять положительное число или 0." << 4;
        QTest::newRow("woven mesh, negative") << "Сетка плетеная" << Woven << QStringList{"5", "", "", "-1", "3", "", ""} << 1
                                              << "В поле «Ромб» должно стоять положительное число или 0." << 3;
        QTest::newRow("woven mesh, woven place") << "Сетка плетеная" << Woven << QStringList{"5", "", "", "", "", "", "0.83"} << 47 << "" << -1;
        QTest::newRow("woven mesh, woven place without its mass") << "Сетка плетеная" << Woven << QStringList{"5", "", "", "4.2", "3.1", "", ""} << 47
                                                                  << positive(QStringLiteral("Масса 1 м2")) << 6;

        // No kind reads a cell of it: one filled cell is enough.
        QTest::newRow("a table of no kind") << "чего нет" << Angle << QStringList{"", "", "x"} << 0 << "" << -1;
        QTest::newRow("a table of no kind, nothing filled") << "чего нет" << Angle << QStringList{"", "", ""} << 0
                                                           << "Заполните хотя бы одно поле." << -1;
    }
    void checks()
    {
        QFETCH(QString, table);
        QFETCH(QStringList, columns);
        QFETCH(QStringList, row);
        QFETCH(int, position);
        QFETCH(QString, message);
        QFETCH(int, column);
        const std::optional<SizeRule::Fault> fault = SizeRule::forTable(table, columns).check(row, position);
        QCOMPARE(fault ? fault->message : QString(), message);
        QCOMPARE(fault ? fault->column : -1, column);
    }

    // The cells the rules read, as table columns, for the number fields of the dialog.
    void readColumns_data()
    {
        QTest::addColumn<QString>("table");
        QTest::addColumn<QStringList>("columns");
        QTest::addColumn<int>("position");
        QTest::addColumn<QList<int>>("read");
        QTest::newRow("round bar") << "Прокат круглый" << Round << 0 << QList<int>{2};
        QTest::newRow("sheet") << "лист гладкий" << Sheet << 0 << QList<int>{1};
        QTest::newRow("stainless") << "трубы из нерж" << Stainless << 0 << QList<int>{0, 1};
        QTest::newRow("sheet piles") << "шпунт" << Piles << 0 << QList<int>{5};
        QTest::newRow("a table of no kind") << "чего нет" << Piles << 0 << QList<int>{};
        QTest::newRow("woven mesh 46") << "Сетка плетеная" << Woven << 46 << QList<int>{3, 4};
        QTest::newRow("woven mesh 47") << "Сетка плетеная" << Woven << 47 << QList<int>{6};
        QTest::newRow("welded mesh 2") << "Сетка сварная" << Welded << 2 << QList<int>{};
        QTest::newRow("welded mesh 3") << "Сетка сварная" << Welded << 3 << QList<int>{3, 4};
        QTest::newRow("mass beyond the table") << "уголок" << QStringList{"b", "t"} << 0 << QList<int>{};
    }
    void readColumns()
    {
        QFETCH(QString, table);
        QFETCH(QStringList, columns);
        QFETCH(int, position);
        QFETCH(QList<int>, read);
        QCOMPARE(SizeRule::forTable(table, columns).readColumns(position), read);
    }
};

QTEST_APPLESS_MAIN(TestSizeRule)
#include "tst_sizerule.moc"
