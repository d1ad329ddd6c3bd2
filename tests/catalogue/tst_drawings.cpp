// The drawings the build renders into the program directory.

#include "programfixture.h"

#include <QImage>
#include <QTest>

class TestDrawings : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everyDrawingIsBuiltAndLoads_data()
    {
        QTest::addColumn<QString>("name");
        for (const QString &name : ProgramFixture::pictureNames())
            QTest::newRow(qPrintable(name)) << name;
    }
    void everyDrawingIsBuiltAndLoads()
    {
        QFETCH(QString, name);
        const QImage image(QStringLiteral(MORVEX_PROGRAM_DIR) + name);
        QVERIFY2(!image.isNull(), qPrintable(name));
        // Large enough to read in the enlarged window, small enough for its 16-bit size.
        QVERIFY(image.width() >= 200 && image.height() >= 150);
        QVERIFY(image.width() * 15 <= 32767 && image.height() * 15 <= 32767);
    }
};

QTEST_GUILESS_MAIN(TestDrawings)
#include "tst_drawings.moc"
