// The icons' picture format: what the build writes reads back pixel for pixel, and bytes of any
// other shape give no picture rather than a wrong one.

#include "ui/iconpicture.h"

#include <QPainter>
#include <QTest>

namespace {

// A picture with something in every corner, so a swapped axis or a shifted row shows.
QImage sample(QImage::Format format, QSize size = QSize(16, 15))
{
    QImage image(size, format);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.fillRect(0, 0, 3, 2, QColor(200, 30, 40));
    painter.fillRect(size.width() - 2, size.height() - 4, 2, 4, QColor(10, 120, 250, 128));
    painter.drawLine(0, size.height() - 1, size.width() - 1, 0);
    return image;
}

} // namespace

class TestIconPicture : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void readsBackWhatIsWritten_data()
    {
        QTest::addColumn<int>("format");
        QTest::addColumn<QSize>("size");
        QTest::newRow("opaque, as the build renders icons") << int(QImage::Format_RGB32) << QSize(16, 15);
        QTest::newRow("with alpha") << int(QImage::Format_ARGB32) << QSize(16, 16);
        QTest::newRow("premultiplied, not square") << int(QImage::Format_ARGB32_Premultiplied) << QSize(48, 7);
    }
    void readsBackWhatIsWritten()
    {
        QFETCH(int, format);
        QFETCH(QSize, size);
        const QImage image = sample(QImage::Format(format), size);
        const QByteArray bytes = IconPicture::encode(image);
        QCOMPARE(bytes.size(), 12 + size.width() * size.height() * 4);
        QVERIFY(bytes.startsWith("MXIC"));
        const QImage back = IconPicture::decode(bytes);
        QCOMPARE(back.format(), image.format());
        QCOMPARE(back.size(), size);
        QCOMPARE(back, image);
    }

    // A picture of another format is written as 32-bit pixels and keeps its colours.
    void otherFormatsAreWrittenAsFullPixels()
    {
        const QImage image = sample(QImage::Format_RGB32).convertToFormat(QImage::Format_RGB16);
        const QImage back = IconPicture::decode(IconPicture::encode(image));
        QCOMPARE(back.convertToFormat(QImage::Format_RGB16), image);
    }

    void otherBytesGiveNoPicture_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray good = IconPicture::encode(sample(QImage::Format_RGB32));
        QByteArray otherMagic = good;
        otherMagic[0] = 'P';
        QByteArray zeroWidth = good;
        zeroWidth[4] = zeroWidth[5] = 0;
        QByteArray eightBitFormat = good;
        eightBitFormat[8] = char(QImage::Format_Indexed8);
        QByteArray wider = good;
        wider[4] = 17;
        QTest::newRow("nothing") << QByteArray();
        QTest::newRow("a header cut short") << good.left(9);
        QTest::newRow("another format's magic") << otherMagic;
        QTest::newRow("a PNG") << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16);
        QTest::newRow("no width") << zeroWidth;
        QTest::newRow("a format of one byte a pixel") << eightBitFormat;
        QTest::newRow("pixels missing at the end") << good.chopped(4);
        QTest::newRow("pixels to spare") << good + "abcd";
        QTest::newRow("a header wider than its pixels") << wider;
    }
    void otherBytesGiveNoPicture()
    {
        QFETCH(QByteArray, bytes);
        QVERIFY(IconPicture::decode(bytes).isNull());
    }

    void noSuchIcon()
    {
        QVERIFY(IconPicture::load(QStringLiteral("no such icon")).isNull());
    }
};

QTEST_GUILESS_MAIN(TestIconPicture)
#include "tst_iconpicture.moc"
