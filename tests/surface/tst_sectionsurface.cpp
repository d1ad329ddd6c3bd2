// The outer surface of a metre of a section from its dimensions: exact for the shapes without
// radii (π·D for pipes and round bar, the sides of square and flat bar, both faces of sheet),
// and within 1 % of the surfaces the reference site elsort.ru prints for I-beams, a channel and
// tubes (its pages for 26Ш2 and 36ДБ1 of ГОСТ 26020-83, 30Б1 of СТО АСЧМ 20-93 — the dimensions
// of 30Б1 of ГОСТ Р 57837-2017 —, the channel 22Л of ГОСТ 8240-97, the tubes 100x100x3.5 and
// 200x120x6.5 of ГОСТ 30245-2012 and 50x50x3 of ГОСТ Р 54157-2010), worked from the dimensions
// printed beside them. The standards themselves print no surface.

#include "surface/sectionsurface.h"

#include <QTest>

#include <cmath>
#include <functional>
#include <numbers>

using Surface = std::function<double()>;
Q_DECLARE_METATYPE(Surface)

class TestSectionSurface : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void exact_data()
    {
        QTest::addColumn<Surface>("surface");
        QTest::addColumn<double>("expected");
        const double pi = std::numbers::pi;
        QTest::newRow("pipe 57") << Surface([] { return SectionSurface::pipe(57); }) << pi * 0.057;
        QTest::newRow("pipe 1420") << Surface([] { return SectionSurface::pipe(1420); }) << pi * 1.42;
        QTest::newRow("round bar 20") << Surface([] { return SectionSurface::roundBar(20); }) << pi * 0.02;
        QTest::newRow("square bar 30") << Surface([] { return SectionSurface::squareBar(30); }) << 0.12;
        QTest::newRow("flat bar 100x8") << Surface([] { return SectionSurface::flatBar(100, 8); }) << 0.216;
        QTest::newRow("tube with sharp corners") << Surface([] { return SectionSurface::hollowSection(200, 100, 0); }) << 0.6;
        QTest::newRow("equal angle, sharp") << Surface([] { return SectionSurface::angle(50, 50, 0, 0); }) << 0.2;
        QTest::newRow("unequal angle, sharp") << Surface([] { return SectionSurface::angle(100, 63, 0, 0); }) << 0.326;
        // A quarter circle of 10 in place of 20 of edges, at the root: 200 - (20 - 5π).
        QTest::newRow("equal angle, root radius") << Surface([] { return SectionSurface::angle(50, 50, 10, 0); })
                                                  << (200 - 20 + 5 * pi) / 1000;
        // Flanges that do not slope: as if parallel.
        QTest::newRow("beam, slope of nothing")
            << Surface([] { return SectionSurface::slopedFlangeBeam(200, 100, 5.2, 9.5, 1e12); })
            << SectionSurface::parallelFlangeBeam(200, 100, 5.2, 9.5);
        QTest::newRow("channel, slope of nothing")
            << Surface([] { return SectionSurface::slopedFlangeChannel(200, 76, 5.2, 9.5, 4, 1e12); })
            << SectionSurface::parallelFlangeChannel(200, 76, 5.2, 9.5, 4);
        // A bend of no radius and no thickness is a sharp corner.
        QTest::newRow("bent channel as a sharp one")
            << Surface([] { return SectionSurface::bentChannel(100, 50, 0, 0); }) << 0.4;
        QTest::newRow("sheet") << Surface([] { return SectionSurface::SheetPerSquareMetre; }) << 2.0;
    }
    void exact()
    {
        QFETCH(Surface, surface);
        QFETCH(double, expected);
        QVERIFY2(std::fabs(surface() - expected) < 1e-12, qPrintable(QString::number(surface(), 'g', 15)));
    }

    // The same section with sloped flanges has less surface than with parallel ones: the slope
    // covers height that the tip and the web's face need not.
    void slopedFlangesLoseSurface()
    {
        const double parallel = SectionSurface::parallelFlangeBeam(200, 100, 5.2, 9.5);
        const double sloped = SectionSurface::slopedFlangeBeam(200, 100, 5.2, 9.5, 8);
        QVERIFY(sloped < parallel);
        // 1 in 8 over four faces of 47.4 mm: 4 × 47.4 × (1/8 − (√(1 + 1/64) − 1)) = 22.22 mm.
        QVERIFY(std::fabs((parallel - sloped) * 1000 - 22.22) < 0.01);
    }

    void published_data()
    {
        QTest::addColumn<Surface>("surface");
        QTest::addColumn<double>("published");
        QTest::newRow("I-beam 26Ш2") << Surface([] { return SectionSurface::parallelFlangeBeam(255, 180, 7.5, 16); })
                                     << 1.18753;
        QTest::newRow("I-beam 36ДБ1") << Surface([] { return SectionSurface::parallelFlangeBeam(360, 145, 7.2, 18); })
                                      << 1.25470;
        QTest::newRow("I-beam 30Б1") << Surface([] { return SectionSurface::parallelFlangeBeam(298, 149, 5.5, 13); })
                                     << 1.15868;
        QTest::newRow("channel 22Л")
            << Surface([] { return SectionSurface::parallelFlangeChannel(220, 50, 4.0, 10, 4); }) << 0.61600;
        QTest::newRow("tube 100x100x3.5") << Surface([] { return SectionSurface::hollowSection(100, 100, 7.0); })
                                          << 0.38798;
        QTest::newRow("tube 200x120x6.5") << Surface([] { return SectionSurface::hollowSection(200, 120, 16.25); })
                                          << 0.61210;
        QTest::newRow("tube 50x50x3") << Surface([] { return SectionSurface::hollowSection(50, 50, 6.0); }) << 0.18970;
    }
    void published()
    {
        QFETCH(Surface, surface);
        QFETCH(double, published);
        const double off = std::fabs(surface() - published) / published;
        QVERIFY2(off < 0.01, qPrintable(QStringLiteral("%1 against %2").arg(surface()).arg(published)));
    }
};

QTEST_MAIN(TestSectionSurface)
#include "tst_sectionsurface.moc"
