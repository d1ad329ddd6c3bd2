// Where a window's frame is put so that the user sees all of it, on one screen or two side by
// side (the second to the right of a 1280 × 1024 primary, a smaller one of 1024 × 768).

#include "ui/screenfit.h"

#include <QTest>

namespace {

const QRect Primary(0, 0, 1280, 1024);
const QRect Second(1280, 0, 1024, 768);

} // namespace

class TestScreenFit : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void fit_data()
    {
        QTest::addColumn<QRect>("frame");
        QTest::addColumn<QList<QRect>>("screens");
        QTest::addColumn<QRect>("fitted");
        const QList<QRect> one{Primary};
        const QList<QRect> two{Primary, Second};
        QTest::newRow("wholly on the screen: stays") << QRect(100, 50, 840, 440) << one << QRect(100, 50, 840, 440);
        QTest::newRow("across the right edge: moved in")
            << QRect(879, 100, 840, 440) << one << QRect(440, 100, 840, 440);
        QTest::newRow("above and left of the screen: moved in")
            << QRect(-300, -20, 840, 440) << one << QRect(0, 0, 840, 440);
        QTest::newRow("wider and taller than the screen: made smaller")
            << QRect(200, 300, 1600, 1200) << one << QRect(0, 0, 1280, 1024);
        QTest::newRow("on no screen: onto the primary")
            << QRect(5000, 4000, 840, 440) << two << QRect(440, 584, 840, 440);
        QTest::newRow("mostly on the second screen: stays there")
            << QRect(1200, 500, 840, 440) << two << QRect(1280, 328, 840, 440);
        QTest::newRow("kept on a larger second screen: onto it, smaller")
            << QRect(1400, 0, 1400, 1000) << two << QRect(1280, 0, 1024, 768);
        QTest::newRow("no screens known: as it is") << QRect(879, 100, 840, 440) << QList<QRect>{}
                                                    << QRect(879, 100, 840, 440);
    }
    void fit()
    {
        QFETCH(QRect, frame);
        QFETCH(QList<QRect>, screens);
        QFETCH(QRect, fitted);
        QCOMPARE(FitOnScreens(frame, screens), fitted);
    }
};

QTEST_MAIN(TestScreenFit)
#include "tst_screenfit.moc"
