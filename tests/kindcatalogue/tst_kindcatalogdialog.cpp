// "Каталог изделий" over the main window on the built base: a kind beyond the toolbars chosen
// from it is computed as a kind press computes, with no toolbar button left down.

#include "../calc/calculatorwindow.h"
#include "catalogue/datasource.h"
#include "contextmenu.h"
#include "kindcatalogue/kindcatalogdialog.h"
#include "namedcontrol.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

namespace {

KindCatalogDialog *openCatalogue(CalculatorWindow &w)
{
    w.window->findChild<QAction *>(QStringLiteral("KindCatalogue"))->trigger();
    return w.window->findChild<KindCatalogDialog *>();
}

void typeFilter(KindCatalogDialog *dialog, const QString &typed)
{
    namedControl<QLineEdit>(dialog, "FilterText")->setText(typed);
}

bool anyKindButtonDown(const CalculatorWindow &w)
{
    for (int t = 2; t <= 5; ++t) {
        auto *bar = w.get<KindToolbar>(qPrintable(QStringLiteral("T%1").arg(t)));
        for (int b = 1; b <= bar->count(); ++b)
            if (bar->isPressed(b))
                return true;
    }
    return false;
}

} // namespace

class TestKindCatalogDialog : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia)); }

    // Ctrl+K on the window and the size grid's menu both offer it; it opens with every kind.
    void offeredOnTheWindowAndTheGrid()
    {
        CalculatorWindow w(true);
        auto *command = w.window->findChild<QAction *>(QStringLiteral("KindCatalogue"));
        QVERIFY(command);
        QCOMPARE(command->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_K));
        QVERIFY(w.window->actions().contains(command));
        w.choose(2, 10);
        const QStringList entries = contextMenuEntries(w.get("DBGrid2"));
        QVERIFY2(entries.contains(QStringLiteral("Каталог изделий…")), qPrintable(entries.join(QLatin1Char('|'))));
        KindCatalogDialog *dialog = openCatalogue(w);
        QVERIFY(dialog && dialog->isVisible());
        QCOMPARE(dialog->shownKinds().size(), Catalogue::kinds().size());
    }

    // The filter as typed in the window: what it shows and what it says.
    void filterShowsTheKindsFound_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("shown");
        QTest::addColumn<QString>("told");
        QTest::newRow("tubes") << QStringLiteral("30245") << QStringList{QStringLiteral("profile-tube")}
                               << QStringLiteral("Найдено: 1");
        QTest::newRow("flat bar") << QStringLiteral("Полоса") << QStringList{QStringLiteral("flat-bar")}
                                  << QStringLiteral("Найдено: 1");
        QTest::newRow("I-beams") << QStringLiteral("двутавр")
                                 << QStringList{QStringLiteral("i-beam"), QStringLiteral("i-beam-57837")}
                                 << QStringLiteral("Найдено: 2");
        QTest::newRow("none") << QStringLiteral("рессора") << QStringList() << QStringLiteral("Ничего не найдено");
    }
    void filterShowsTheKindsFound()
    {
        QFETCH(QString, typed);
        QFETCH(QStringList, shown);
        QFETCH(QString, told);
        CalculatorWindow w(true);
        KindCatalogDialog *dialog = openCatalogue(w);
        typeFilter(dialog, typed);
        QCOMPARE(dialog->shownKinds(), shown);
        QCOMPARE(namedControl<QLabel>(dialog, "FoundCount")->text(), told);
        QCOMPARE(namedControl<QPushButton>(dialog, "ChooseButton")->isEnabled(), !shown.isEmpty());
    }

    // ГОСТ Р 57837-2017 chosen after the channels' press: its title, drawing, sizes, inputs and
    // a mass of its first size (10Б1, 8.1 kg a metre), with the channel's button released.
    void aNewKindIsChosenAndComputed()
    {
        CalculatorWindow w(true);
        w.choose(2, 7);
        QVERIFY(anyKindButtonDown(w));
        KindCatalogDialog *dialog = openCatalogue(w);
        typeFilter(dialog, QStringLiteral("57837"));
        QTest::keyClick(namedControl<QLineEdit>(dialog, "FilterText"), Qt::Key_Return);
        QVERIFY(!dialog->isVisible());

        const Catalogue::Kind *kind = w.window->currentKind();
        QVERIFY(kind);
        QCOMPARE(kind->id, QStringLiteral("i-beam-57837"));
        QCOMPARE(w.get<QGroupBox>("Frame2")->title(), QString::fromUtf8(kind->title));
        QCOMPARE(w.state().PictureFile, QStringLiteral("dvut2.jpg"));
        QCOMPARE(w.window->dataSource()->RecordSource(), QStringLiteral("двутавр 57837"));
        QCOMPARE(w.window->dataSource()->records()->rowCount(), 301);
        QVERIFY(!w.get("DBGrid2")->isHidden());
        QVERIFY(!anyKindButtonDown(w));
        QVERIFY(!w.get("Text2")->isEnabled());
        QVERIFY(w.get("Text3")->isEnabled());
        w.type("Text3", QStringLiteral("2000"));
        w.type("Text5", QStringLiteral("3"));
        QCOMPARE(w.text("Text6"), QStringLiteral("16,2"));
        QCOMPARE(w.text("Text7"), QStringLiteral("48,6"));
    }

    // After a group press the grid is hidden; a kind chosen from the catalogue shows it again
    // and computes, as a kind press would.
    void aKindAfterAGroupPress()
    {
        CalculatorWindow w(true);
        w.press(1, 4);
        QVERIFY(w.get("DBGrid2")->isHidden());
        KindCatalogDialog *dialog = openCatalogue(w);
        typeFilter(dialog, QStringLiteral("полоса"));
        dialog->chooseCurrent();
        QCOMPARE(w.window->currentKind()->id, QStringLiteral("flat-bar"));
        QVERIFY(!w.get("DBGrid2")->isHidden());
        QCOMPARE(w.state().PictureFile, QStringLiteral("polosa.jpg"));
        QCOMPARE(w.env->messages.shown.size(), 0); // its drawing was shown
        // The first size, 10 × 5, weighs 0.393 kg a metre.
        w.type("Text3", QStringLiteral("1000"));
        w.type("Text5", QStringLiteral("10"));
        QCOMPARE(w.text("Text7"), QStringLiteral("3,9"));
    }
};

QTEST_MAIN(TestKindCatalogDialog)
#include "tst_kindcatalogdialog.moc"
