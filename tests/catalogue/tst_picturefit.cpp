#include "catalogue/picturefit.h"

#include <QTest>

class TestPictureFit : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void fitsIntoTheBox_data()
    {
        QTest::addColumn<float>("ownWidth");
        QTest::addColumn<float>("ownHeight");
        QTest::addColumn<float>("left");
        QTest::addColumn<float>("top");
        QTest::addColumn<float>("width");
        QTest::addColumn<float>("height");
        // A square is treated as landscape and stands 60 over the box at top and bottom.
        QTest::newRow("square 3000") << 3000.f << 3000.f << 100.f << 240.f << 1935.f << 1935.f;
        QTest::newRow("landscape exactly box wide") << 1935.f << 1000.f << 100.f << 707.5f << 1935.f << 1000.f;
        QTest::newRow("landscape one twip narrower") << 1934.f << 1000.f << 150.5f << 707.5f << 1934.f << 1000.f;
        QTest::newRow("portrait twice as high") << 1815.f << 3630.f << 663.75f << 300.f << 907.5f << 1815.f;
        QTest::newRow("small landscape keeps its size") << 1000.f << 500.f << 617.5f << 957.5f << 1000.f << 500.f;
        // 6000 x 4000: ratio 1.5, height 1290.
        QTest::newRow("large landscape") << 6000.f << 4000.f << 100.f << 562.5f << 1935.f << 1290.f;
        // A portrait picture lower than the box keeps its size even when wider than the box
        // allows for its proportions.
        QTest::newRow("small portrait") << 900.f << 1200.f << 667.5f << 607.5f << 900.f << 1200.f;
        QTest::newRow("portrait exactly box high") << 900.f << 1815.f << 667.5f << 300.f << 900.f << 1815.f;
        QTest::newRow("wide low strip") << 30000.f << 15.f << 100.f << 1207.01625f << 1935.f << 0.9675f;
        // 32767 twips still fits the 16-bit reading: 1000 × 1935 / 32767 = 59.0533 high,
        // 1207.5 − 29.5267 = 1177.9733 from the top.
        QTest::newRow("widest that fits the 16-bit reading")
            << 32767.f << 1000.f << 100.f << 1177.9733f << 1935.f << 59.053316f;
    }
    void fitsIntoTheBox()
    {
        QFETCH(float, ownWidth);
        QFETCH(float, ownHeight);
        QFETCH(float, left);
        QFETCH(float, top);
        QFETCH(float, width);
        QFETCH(float, height);
        const auto fit = FitPicture(ownWidth, ownHeight);
        QVERIFY(fit);
        QCOMPARE(fit->left, left);
        QCOMPARE(fit->top, top);
        QCOMPARE(fit->width, width);
        QCOMPARE(fit->height, height);
    }

    void refusesWhatCannotBePlaced_data()
    {
        QTest::addColumn<float>("ownWidth");
        QTest::addColumn<float>("ownHeight");
        QTest::newRow("too wide for 16 bits") << 32768.f << 1000.f;
        QTest::newRow("too high for 16 bits") << 1000.f << 40000.f;
        QTest::newRow("no height") << 1000.f << 0.f;
    }
    void refusesWhatCannotBePlaced()
    {
        QFETCH(float, ownWidth);
        QFETCH(float, ownHeight);
        QVERIFY(!FitPicture(ownWidth, ownHeight));
    }

    // At 96 dpi a pixel is 15 twips.
    void pixelsAreFifteenTwips()
    {
        QCOMPARE(PixelsToTwips(400), 6000.f);
    }
};

QTEST_GUILESS_MAIN(TestPictureFit)
#include "tst_picturefit.moc"
