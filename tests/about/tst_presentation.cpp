// The presentation of the About window, stepped on a clock of the test's own: no waiting.

#include "about/presentation.h"
#include "steppedtimers.h"

#include <QTest>

namespace {

// The notice as the window's design spells it out.
QString expectedNotice()
{
    return QString(QStringLiteral(" .")).repeated(44) + QStringLiteral(" ")
           + QStringLiteral("В с е  з а я в к и, з а м е ч а н и я, п о ж е л а н и я  н а п р а в л я й т е  "
                            "н а  э л е к т р о н н ы й  а д р е с  ")
           + QStringLiteral("info@m.example") + QString(QStringLiteral(". ")).repeated(48) + QStringLiteral(".");
}

// A presentation loaded, its splash clicked at the clock's 0.
struct Started
{
    Presentation p;
    SteppedTimers clock{p};
    int embossed = 0;

    Started()
    {
        p.embossCaption = [this] { ++embossed; };
        p.Form_Load();
        p.Image3_Click();
        clock.sync();
    }
    void click()
    {
        p.Label5_Click();
        clock.sync();
    }
};

} // namespace

class TestPresentation : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void splashStartsTheIntro()
    {
        Presentation p;
        p.Form_Load();
        QCOMPARE(p.TickerText, expectedNotice());
        QCOMPARE(p.TickerText.size(), 320);
        QVERIFY(p.Label6.caption.isEmpty());
        QVERIFY(p.Image3.visible);
        // Nothing runs before the splash is clicked: ten minutes go by without a tick.
        SteppedTimers clock(p);
        clock.advance(600000);
        QVERIFY(!p.closeRequested);
        QVERIFY(p.Label6.caption.isEmpty());

        p.Image3_Click();
        QVERIFY(!p.Image3.visible);
        QVERIFY(p.captionVisible);
        QVERIFY(p.Timer1.enabled && p.Timer3.enabled);
        QVERIFY(!p.Timer2.enabled && !p.Timer4.enabled);
        QCOMPARE(p.MediaPlayer1.box, (Presentation::Box{240, 2000, 315, 420}));
    }

    void wipeAndRevealEndAtRest()
    {
        Started s;
        s.click();
        QCOMPARE(s.p.Face.caption, QStringLiteral("Help..."));
        s.clock.advance(250);
        QVERIFY(s.p.Label7.visible);
        QVERIFY(s.p.Timer2.enabled);
        s.clock.advance(250);
        QVERIFY(!s.p.Timer2.enabled);
        QVERIFY(s.p.Timer4.enabled);
        QCOMPARE(s.p.Face.box.left, 2440.0f);   // 240 + 10 x 220
        QCOMPARE(s.p.Face.box.top, 2180.0f);    // 180 + 10 x 200
        QCOMPARE(s.p.Label7.box.width, 4121.0f); // 1 + 10 x 412
        QCOMPARE(s.p.Label8.box.width, 4196.0f); // 1 + 10 x 419.5
        QCOMPARE(s.p.Label9.box.width, 4196.0f);
        QCOMPARE(s.p.Label7.box.left, 240.0f);
        QCOMPARE(s.p.Label7.box.top, 350.0f);
        QCOMPARE(s.p.Label7.box.height, 1440.0f);
        // The caption is embossed at the splash, at the toggle and at each of the 20 steps.
        QCOMPARE(s.embossed, 22);
        // Nothing moves any more.
        s.clock.advance(1000);
        QCOMPARE(s.p.Face.box.top, 2180.0f);
        QCOMPARE(s.p.Label7.box.width, 4121.0f);
    }

    void wipeStep_data()
    {
        QTest::addColumn<int>("steps");
        QTest::addColumn<bool>("image1");
        QTest::addColumn<bool>("player");
        QTest::addColumn<bool>("image2");
        QTest::addColumn<bool>("label7");
        QTest::addColumn<float>("image1Width");
        QTest::addColumn<float>("image2Top");
        QTest::addColumn<float>("image2Height");
        // Widths shrink by 1770 / 10, Image2 moves down and shrinks by 2580 / 10 a step.
        QTest::newRow("eighth step: all still there") << 8 << true << true << true << false << 354.0f << 2304.0f << 516.0f;
        QTest::newRow("ninth step: Image1 and the player vanish") << 9 << false << false << true << false << 177.0f << 2562.0f << 258.0f;
        QTest::newRow("tenth step: Image2 vanishes, the text appears") << 10 << false << false << false << true << 0.0f << 2820.0f << 0.0f;
    }
    void wipeStep()
    {
        QFETCH(int, steps);
        Started s;
        s.click();
        for (int i = 0; i < steps; ++i)
            s.p.Timer2_Timer();
        QTEST(s.p.Image1.visible, "image1");
        QTEST(s.p.MediaPlayer1.visible, "player");
        QTEST(s.p.Image2.visible, "image2");
        QTEST(s.p.Label7.visible, "label7");
        QTEST(s.p.Image1.box.width, "image1Width");
        QTEST(s.p.Image2.box.top, "image2Top");
        QTEST(s.p.Image2.box.height, "image2Height");
        QCOMPARE(s.p.Face.box.left, 240.0f + 220.0f * float(steps));
    }

    void ticker_data()
    {
        QTest::addColumn<int>("tick");
        QTest::addColumn<QString>("line");
        const QString dots = QString(QStringLiteral(" .")).repeated(35);
        QTest::newRow("first tick: the first 70 characters") << 1 << dots;
        QTest::newRow("tick 90: the request begins")
            << 90 << QStringLiteral("В с е  з а я в к и, з а м е ч а н и я, п о ж е л а н и я  н а п р а в ");
        QTest::newRow("tick 210: the e-mail address") << 210 << QStringLiteral("info@m.example") + QString(QStringLiteral(". ")).repeated(28);
        QTest::newRow("tick 252: 69 characters left") << 252 << QString(QStringLiteral(". ")).repeated(34) + QStringLiteral(".");
        QTest::newRow("tick 320: the last character") << 320 << QStringLiteral(".");
        QTest::newRow("tick 321: blank") << 321 << QString();
        QTest::newRow("tick 371: still blank") << 371 << QString();
        QTest::newRow("tick 372: the cycle starts again") << 372 << dots;
    }
    void ticker()
    {
        QFETCH(int, tick);
        Presentation p;
        p.Form_Load();
        for (int i = 0; i < tick; ++i)
            p.Timer3_Timer();
        QTEST(p.Label6.caption, "line");
    }

    void tickerIsBlankFor51TicksACycle()
    {
        Presentation p;
        p.Form_Load();
        int blank = 0;
        int firstBlank = 0;
        for (int tick = 1; tick <= 371; ++tick) {
            p.Timer3_Timer();
            if (p.Label6.caption.isEmpty()) {
                ++blank;
                if (!firstBlank)
                    firstBlank = tick;
            }
        }
        QCOMPARE(blank, 51);
        QCOMPARE(firstBlank, 321);
        QCOMPARE(p.TickerPos, int16_t(60));
    }

    void toggleDuringTheWipe_data()
    {
        QTest::addColumn<int>("clicks");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("stepCount");
        QTest::addColumn<int>("stepsUntilImage2Vanishes");
        // Three wipe steps have run when the further clicks come.
        QTest::newRow("twice: back to About, the wipe goes on") << 2 << QStringLiteral("About...") << 3 << 7;
        QTest::newRow("three times: Help again, the wipe counts anew") << 3 << QStringLiteral("Help...") << 0 << 10;
    }
    void toggleDuringTheWipe()
    {
        QFETCH(int, clicks);
        QFETCH(int, stepsUntilImage2Vanishes);
        Started s;
        s.click();
        for (int i = 0; i < 3; ++i)
            s.p.Timer2_Timer();
        for (int i = 1; i < clicks; ++i)
            s.click();
        QTEST(s.p.Face.caption, "caption");
        QTEST(int(s.p.StepCount), "stepCount");
        QVERIFY(s.p.Timer2.enabled);
        for (int i = 1; i < stepsUntilImage2Vanishes; ++i) {
            s.p.Timer2_Timer();
            QVERIFY(s.p.Image2.visible);
            QVERIFY(s.p.Image1.box.width >= 0);
            QVERIFY(s.p.Image2.box.height >= 0);
        }
        s.p.Timer2_Timer();
        QVERIFY(!s.p.Image2.visible);
        QCOMPARE(s.p.Image1.box.width, 0.0f);
        QCOMPARE(s.p.Image2.box.height, 0.0f);
    }

    void oneMinuteClose_data()
    {
        QTest::addColumn<int>("aboutClickAt");
        QTest::addColumn<bool>("textShown");
        QTest::addColumn<int>("stepCount");
        // Timer2 ticks every 25 ms from the click; Timer1 fires 60000 ms after the splash.
        QTest::newRow("in the middle of the wipe") << 59910 << false << 3;
        QTest::newRow("in the middle of the reveal") << 59690 << true << 2;
    }
    void oneMinuteClose()
    {
        QFETCH(int, aboutClickAt);
        Started s;
        s.clock.advance(aboutClickAt);
        s.click();
        s.clock.advance(59999 - aboutClickAt);
        QVERIFY(!s.p.closeRequested);
        s.clock.advance(1);
        QVERIFY(s.p.closeRequested);
        QCOMPARE(s.clock.now(), 60000);
        QTEST(s.p.Label7.visible, "textShown");
        QTEST(int(s.p.StepCount), "stepCount");
    }

    void clickOnceTheTextIsShownCloses_data()
    {
        QTest::addColumn<QString>("target");
        QTest::newRow("caption") << QStringLiteral("Label5");
        QTest::newRow("form") << QStringLiteral("Form");
        QTest::newRow("information text") << QStringLiteral("Label7");
        QTest::newRow("player") << QStringLiteral("MediaPlayer1");
    }
    void clickOnceTheTextIsShownCloses()
    {
        QFETCH(QString, target);
        Started s;
        s.click();
        for (int i = 0; i < 10; ++i)
            s.p.Timer2_Timer();
        QVERIFY(s.p.Label7.visible);
        const QString caption = s.p.Face.caption;
        if (target == QLatin1String("Label5"))
            s.p.Label5_Click();
        else if (target == QLatin1String("Form"))
            s.p.Form_Click();
        else if (target == QLatin1String("Label7"))
            s.p.Label7_Click();
        else
            s.p.MediaPlayer1_Click();
        QVERIFY(s.p.closeRequested);
        QCOMPARE(s.p.Face.caption, caption);
    }
};

QTEST_APPLESS_MAIN(TestPresentation)
#include "tst_presentation.moc"
