// The embossed caption on three labels.

#include "about/module1.h"

#include <QLabel>
#include <QTest>

namespace {

QColor textColour(const QLabel &label)
{
    return label.palette().color(QPalette::WindowText);
}

} // namespace

class TestModule1 : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void coloursStartBlackUntilPrepared()
    {
        // Before PrepareEmboss both colours are 0; after it, white and dark grey, and a second
        // call keeps whatever the colours are.
        QCOMPARE(Module1::HighlightColour, QRgb(0));
        QCOMPARE(Module1::ShadowColour, QRgb(0));
        Module1::PrepareEmboss();
        QCOMPARE(Module1::HighlightColour, qRgb(255, 255, 255));
        QCOMPARE(Module1::ShadowColour, qRgb(128, 128, 128));
        Module1::ShadowColour = qRgb(1, 2, 3);
        Module1::PrepareEmboss();
        QCOMPARE(Module1::ShadowColour, qRgb(1, 2, 3));
        Module1::ShadowColour = qRgb(128, 128, 128);
    }

    void emboss_data()
    {
        QTest::addColumn<int>("style");
        QTest::addColumn<int>("depth");
        QTest::addColumn<int>("containerUnit");
        QTest::addColumn<QPoint>("shadow");
        QTest::addColumn<QPoint>("highlight");
        // The face lies at pixel (40, 30); shadow and highlight start at (5, 6) and (7, 8).
        QTest::newRow("raised, depth 1, twips container") << 1 << 1 << 1 << QPoint(41, 31) << QPoint(39, 29);
        QTest::newRow("raised, depth 3, pixel container") << 1 << 3 << 3 << QPoint(43, 33) << QPoint(37, 27);
        QTest::newRow("sunken, depth 2") << 2 << 2 << 1 << QPoint(38, 28) << QPoint(42, 32);
        QTest::newRow("depth 0: all coincide") << 1 << 0 << 1 << QPoint(40, 30) << QPoint(40, 30);
        QTest::newRow("style 0 leaves them") << 0 << 1 << 1 << QPoint(5, 6) << QPoint(7, 8);
        QTest::newRow("style 3 leaves them") << 3 << 1 << 3 << QPoint(5, 6) << QPoint(7, 8);
    }
    void emboss()
    {
        QFETCH(int, style);
        QFETCH(int, depth);
        QFETCH(int, containerUnit);
        Module1::PrepareEmboss();
        QWidget window;
        const auto unit = Module1::ScaleMode(containerUnit);
        Module1::setScaleMode(&window, unit);
        QLabel highlight(QStringLiteral("old"), &window);
        QLabel shadow(QStringLiteral("old"), &window);
        QLabel face(QStringLiteral("About..."), &window);
        face.setGeometry(40, 30, 118, 37);
        shadow.setGeometry(5, 6, 10, 10);
        highlight.setGeometry(7, 8, 10, 10);
        face.raise(); // the face is covered by nothing before the call...
        shadow.raise(); // ...until the shadow is raised above it
        window.show();

        Module1::EmbossCaption(&face, &shadow, &highlight, QString(), int16_t(style), qRgb(192, 192, 192),
                               int16_t(depth));

        QCOMPARE(Module1::scaleMode(&window), unit);
        for (const QLabel *label : {&face, &shadow, &highlight}) {
            QCOMPARE(label->text(), QStringLiteral("About..."));
            QCOMPARE(label->size(), QSize(118, 37));
            QVERIFY(label->isVisible());
            QVERIFY(!label->autoFillBackground());
        }
        QCOMPARE(face.pos(), QPoint(40, 30));
        QTEST(shadow.pos(), "shadow");
        QTEST(highlight.pos(), "highlight");
        QCOMPARE(textColour(face), QColor(192, 192, 192));
        QCOMPARE(textColour(shadow), QColor(128, 128, 128));
        QCOMPARE(textColour(highlight), QColor(255, 255, 255));
        // The face is in front.
        QCOMPARE(window.children().last(), &face);
    }

    void textReplacesTheCaption()
    {
        QWidget window;
        QLabel highlight(&window), shadow(&window), face(QStringLiteral("About..."), &window);
        Module1::EmbossCaption(&face, &shadow, &highlight, QStringLiteral("Help..."), 1, qRgb(192, 192, 192), 1);
        for (const QLabel *label : {&face, &shadow, &highlight})
            QCOMPARE(label->text(), QStringLiteral("Help..."));
    }

    void geometryIsReadInTheContainersUnit_data()
    {
        QTest::addColumn<int>("unit");
        QTest::addColumn<QRectF>("geometry");
        QTest::newRow("twips: 15 a pixel") << 1 << QRectF(240, 180, 1770, 555);
        QTest::newRow("pixels") << 3 << QRectF(16, 12, 118, 37);
    }
    void geometryIsReadInTheContainersUnit()
    {
        QFETCH(int, unit);
        QWidget window;
        Module1::setScaleMode(&window, Module1::ScaleMode(unit));
        QLabel label(&window);
        label.setGeometry(16, 12, 118, 37);
        QTEST(Module1::scaledGeometry(&label), "geometry");
    }
};

QTEST_MAIN(TestModule1)
#include "tst_module1.moc"
