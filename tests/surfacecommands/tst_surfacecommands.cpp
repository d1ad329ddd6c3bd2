// The surface in the real main window on the built base: the size grid's last column, and the
// results' context menu telling the surface of one piece and of all of them.

#include "../calc/calculatorwindow.h"
#include "catalogue/datasource.h"
#include "contextmenu.h"
#include "namedcontrol.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QTest>

namespace {

QString lastHeading(const CalculatorWindow &w)
{
    const QAbstractItemModel *model = w.get<QTableView>("DBGrid2")->model();
    return model->headerData(model->columnCount() - 1, Qt::Horizontal).toString();
}

QString lastCell(const CalculatorWindow &w, int row)
{
    const QAbstractItemModel *model = w.get<QTableView>("DBGrid2")->model();
    return model->index(row, model->columnCount() - 1).data().toString();
}

} // namespace

class TestSurfaceCommands : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia)); }

    // The grid's last column after the table's own: its heading and the surface of a size,
    // written the regional way; none for a kind without a surface.
    void theGridShowsTheSurface_data()
    {
        QTest::addColumn<int>("toolbar");
        QTest::addColumn<int>("button");
        QTest::addColumn<QString>("heading");
        QTest::addColumn<QString>("first");
        // Round bar 5: π × 5 mm; sheet: both faces.
        QTest::newRow("round bar") << 2 << 3 << QStringLiteral("Площадь пов., м2/м") << QStringLiteral("0,0157");
        QTest::newRow("sheet") << 5 << 2 << QStringLiteral("Площадь пов., м2/м2") << QStringLiteral("2,0000");
        QTest::newRow("bolts have none") << 4 << 8 << QStringLiteral("Масса 1000 шт., кг") << QStringLiteral("4,306");
    }
    void theGridShowsTheSurface()
    {
        QFETCH(int, toolbar);
        QFETCH(int, button);
        QFETCH(QString, heading);
        QFETCH(QString, first);
        CalculatorWindow w(true);
        w.choose(toolbar, button);
        const int columns = w.window->dataSource()->records()->columnCount();
        const bool withSurface = !heading.startsWith(QStringLiteral("Масса"));
        QCOMPARE(w.get<QTableView>("DBGrid2")->model()->columnCount(), columns + (withSurface ? 1 : 0));
        QCOMPARE(lastHeading(w), heading);
        QCOMPARE(lastCell(w, 0), first);
    }

    // Choosing a row in the surface column is a row change like any other.
    void aRowChosenInTheSurfaceColumn()
    {
        CalculatorWindow w(true);
        w.choose(2, 3);
        w.type("Text3", QStringLiteral("1000"));
        const int surfaceColumn = w.window->dataSource()->records()->columnCount();
        w.selectRow(1, surfaceColumn);
        QCOMPARE(w.window->CurrentRowPosition(), 1);
        QCOMPARE(w.text("Text6"), QStringLiteral("0,2")); // 5.5 mm: 0.186 kg a metre
    }

    // Flat bar 10 × 5 (0.03 m² a metre), 2500 mm, 4 pieces: 0.075 and 0.3 m², told and copied.
    void theResultsTellTheSurface()
    {
        CalculatorWindow w(true);
        w.window->session().chooseKind(QStringLiteral("flat-bar"));
        w.type("Text3", QStringLiteral("2500"));
        w.type("Text5", QStringLiteral("4"));
        const QStringList entries = contextMenuEntries(w.get("Text6"));
        QVERIFY2(entries.contains(QStringLiteral("Площадь поверхности 1 шт.")), qPrintable(entries.join(QLatin1Char('|'))));
        QVERIFY(entries.contains(QStringLiteral("Площадь поверхности всех шт.")));
        w.window->findChild<QAction *>(QStringLiteral("SurfaceOnePiece"))->trigger();
        w.window->findChild<QAction *>(QStringLiteral("SurfaceAllPieces"))->trigger();
        QCOMPARE(w.env->messages.shown.size(), 2);
        QVERIFY2(w.env->messages.shown.at(0).text.contains(QStringLiteral("1 шт.: 0,075 м2")),
                 qPrintable(w.env->messages.shown.at(0).text));
        QVERIFY2(w.env->messages.shown.at(1).text.contains(QStringLiteral("всех шт.: 0,300 м2")),
                 qPrintable(w.env->messages.shown.at(1).text));
        QCOMPARE(w.env->messages.shown.at(1).icon, UserMessages::Icon::Information);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("0,300"));
    }

    // A kind without a surface leaves the entries disabled, and they tell nothing.
    void noSurfaceNoEntry()
    {
        CalculatorWindow w(true);
        w.choose(4, 8);
        w.type("Text5", QStringLiteral("4"));
        auto *one = w.window->findChild<QAction *>(QStringLiteral("SurfaceOnePiece"));
        QVERIFY(!one->isEnabled());
        one->trigger();
        QVERIFY(w.env->messages.shown.isEmpty());
        w.press(1, 1);
        w.press(2, 3);
        QVERIFY(one->isEnabled());
    }
};

QTEST_MAIN(TestSurfaceCommands)
#include "tst_surfacecommands.moc"
