// The outer surface of the sizes through the kinds' own rules on the built base: exact for the
// shapes without radii, and within 1 % of the surfaces a reference site prints
// (data/tables/surface-reference.md); and the surface of the pieces computed.

#include "catalogue/catalogue.h"
#include "catalogue/datasource.h"
#include "catalogue/kindsurface.h"

#include <QTest>

#include <cmath>
#include <numbers>

namespace {

// The surface of 1 m (1 m² of sheet) of the first row of the kind's table whose leading cells
// are these, as stored.
std::optional<double> surfaceOfRow(const QString &id, const QStringList &leading)
{
    const Catalogue::Kind *kind = Catalogue::find(id);
    if (!kind)
        return std::nullopt;
    DataSource source;
    source.setDatabaseName(QStringLiteral(MORVEX_PROGRAM_DIR "base.mdb"));
    source.setRecordSource(QString::fromUtf8(kind->recordSource));
    if (!source.Refresh())
        return std::nullopt;
    const RecordSetModel &records = *source.records();
    for (int row = 0; row < records.rowCount(); ++row) {
        bool same = true;
        for (int column = 0; column < leading.size(); ++column)
            same = same && records.cell(row, column) == leading.at(column);
        if (same)
            return KindSurface::perUnit(*kind, row, [&records, row](int column) {
                return std::optional<QString>(records.cell(row, column));
            });
    }
    return std::nullopt;
}

constexpr double Pi = std::numbers::pi;

} // namespace

class TestKindSurface : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Shapes whose surface is their plain perimeter: π·D for bars, wire and pipes, the four
    // sides of square and flat bar, both faces of sheet.
    void exactSurfaces_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QStringList>("row");
        QTest::addColumn<double>("surface");
        QTest::newRow("round bar 5") << QStringLiteral("round-bar") << QStringList{QStringLiteral("5")} << Pi * 0.005;
        QTest::newRow("welded pipe 57x1.4") << QStringLiteral("welded-pipe")
                                            << QStringList{QStringLiteral("57"), QStringLiteral("1.4")} << Pi * 0.057;
        QTest::newRow("seamless pipe 20x2.5") << QStringLiteral("seamless-pipe")
                                              << QStringList{QStringLiteral("20"), QStringLiteral("2.5")} << Pi * 0.020;
        QTest::newRow("rebar 34028 of 12") << QStringLiteral("rebar-34028") << QStringList{QStringLiteral("12")}
                                           << Pi * 0.012;
        QTest::newRow("wire 3.0") << QStringLiteral("reinforcing-wire") << QStringList{QStringLiteral("3.0")}
                                  << Pi * 0.003;
        QTest::newRow("square bar 6") << QStringLiteral("square-bar") << QStringList{QStringLiteral("6")} << 0.024;
        QTest::newRow("flat bar 10x5") << QStringLiteral("flat-bar")
                                       << QStringList{QStringLiteral("10"), QStringLiteral("5")} << 0.030;
        QTest::newRow("sheet 0.5, both faces") << QStringLiteral("sheet") << QStringList{QStringLiteral("0.5")} << 2.0;
        QTest::newRow("ribbed sheet 2.5") << QStringLiteral("ribbed-sheet") << QStringList{QStringLiteral("2.5")} << 2.0;
    }
    void exactSurfaces()
    {
        QFETCH(QString, kind);
        QFETCH(QStringList, row);
        QFETCH(double, surface);
        const std::optional<double> computed = surfaceOfRow(kind, row);
        QVERIFY(computed);
        QVERIFY2(std::fabs(*computed - surface) < 1e-12, qPrintable(QString::number(*computed, 'g', 15)));
    }

    // The reference site's figures (elsort.ru, its "Fp" of 1 m), of rows with the same
    // dimensions in the base. 50x50x3 is printed under ГОСТ Р 54157-2010 with the dimensions
    // (B 50, S 3, R 6) of the base's row of ГОСТ 30245-2003.
    void publishedSurfaces_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QStringList>("row");
        QTest::addColumn<double>("published");
        QTest::newRow("I-beam 26Ш2") << QStringLiteral("i-beam") << QStringList{QStringLiteral("26Ш2")} << 1.18753;
        QTest::newRow("I-beam 36ДБ1") << QStringLiteral("i-beam") << QStringList{QStringLiteral("36ДБ1")} << 1.25470;
        QTest::newRow("I-beam 30Б1 of 57837") << QStringLiteral("i-beam-57837") << QStringList{QStringLiteral("30Б1")}
                                              << 1.15868;
        QTest::newRow("tube 100x100x3.5")
            << QStringLiteral("profile-tube")
            << QStringList{QStringLiteral("100"), QStringLiteral("100"), QStringLiteral("3.5")} << 0.38798;
        QTest::newRow("tube 200x120x6.5")
            << QStringLiteral("profile-tube")
            << QStringList{QStringLiteral("200"), QStringLiteral("120"), QStringLiteral("6.5")} << 0.61210;
        QTest::newRow("tube 50x50x3") << QStringLiteral("profile-tube")
                                      << QStringList{QStringLiteral("50"), QStringLiteral("50"), QStringLiteral("3")}
                                      << 0.18970;
    }
    void publishedSurfaces()
    {
        QFETCH(QString, kind);
        QFETCH(QStringList, row);
        QFETCH(double, published);
        const std::optional<double> computed = surfaceOfRow(kind, row);
        QVERIFY(computed);
        QVERIFY2(std::fabs(*computed - published) / published < 0.01, qPrintable(QString::number(*computed, 'g', 8)));
    }

    // Kinds without a surface, and a row whose dimensions are not all there, give none.
    void noSurface()
    {
        QVERIFY(!KindSurface::hasSurface(*Catalogue::find(QStringLiteral("hex-bolt"))));
        QVERIFY(!KindSurface::hasSurface(*Catalogue::find(QStringLiteral("welded-mesh"))));
        const Catalogue::Kind &flat = *Catalogue::find(QStringLiteral("flat-bar"));
        const auto emptyThickness = [](int column) {
            return std::optional<QString>(column == 0 ? QStringLiteral("40") : QString());
        };
        QVERIFY(!KindSurface::perUnit(flat, 0, emptyThickness));
        QVERIFY(!KindSurface::perUnit(flat, -1, emptyThickness));
    }

    // A length's surface is its metre's times the length in metres; a sheet's both faces of
    // width × length; all pieces, times their count.
    void surfaceOfPieces_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<double>("perUnit");
        QTest::addColumn<double>("width");
        QTest::addColumn<double>("length");
        QTest::addColumn<double>("pieces");
        QTest::addColumn<int>("lengthDivisor");
        QTest::addColumn<double>("onePiece");
        QTest::addColumn<double>("total");
        QTest::newRow("beam 6000 mm x 4") << QStringLiteral("i-beam") << 1.2 << 0.0 << 6000.0 << 4.0 << 1000 << 7.2 << 28.8;
        QTest::newRow("beam 6 m x 4") << QStringLiteral("i-beam") << 1.2 << 0.0 << 6.0 << 4.0 << 1 << 7.2 << 28.8;
        QTest::newRow("sheet 1500 x 3000 mm x 2") << QStringLiteral("sheet") << 2.0 << 1500.0 << 3000.0 << 2.0 << 1000
                                                  << 9.0 << 18.0;
        QTest::newRow("no pieces") << QStringLiteral("flat-bar") << 0.1 << 0.0 << 2000.0 << 0.0 << 1000 << 0.2 << 0.0;
    }
    void surfaceOfPieces()
    {
        QFETCH(QString, kind);
        QFETCH(double, perUnit);
        QFETCH(double, width);
        QFETCH(double, length);
        QFETCH(double, pieces);
        QFETCH(int, lengthDivisor);
        QFETCH(double, onePiece);
        QFETCH(double, total);
        const std::optional<KindSurface::PieceSurface> surface = KindSurface::ofPieces(
            *Catalogue::find(kind), perUnit, CalcInputs{width, length, pieces, 0}, int16_t(lengthDivisor));
        QVERIFY(surface);
        QVERIFY2(std::fabs(surface->onePiece - onePiece) < 1e-9, qPrintable(QString::number(surface->onePiece)));
        QVERIFY2(std::fabs(surface->total - total) < 1e-9, qPrintable(QString::number(surface->total)));
    }

    void negativeInputsGiveNoSurface()
    {
        const Catalogue::Kind &sheet = *Catalogue::find(QStringLiteral("sheet"));
        QVERIFY(!KindSurface::ofPieces(sheet, 2, CalcInputs{-1, 1000, 1, 0}, 1000));
        QVERIFY(!KindSurface::ofPieces(sheet, 2, CalcInputs{1000, -1, 1, 0}, 1000));
        QVERIFY(!KindSurface::ofPieces(sheet, 2, CalcInputs{1000, 1000, -1, 0}, 1000));
        QVERIFY(!KindSurface::ofPieces(sheet, 2, CalcInputs{1000, 1000, 1, 0}, 0));
    }

    void headings()
    {
        QCOMPARE(KindSurface::heading(*Catalogue::find(QStringLiteral("channel"))), QStringLiteral("Площадь пов., м2/м"));
        QCOMPARE(KindSurface::heading(*Catalogue::find(QStringLiteral("sheet"))), QStringLiteral("Площадь пов., м2/м2"));
    }
};

QTEST_APPLESS_MAIN(TestKindSurface)
#include "tst_kindsurface.moc"
