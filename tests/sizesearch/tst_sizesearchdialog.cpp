// "Найти размер" over the main window on the built base: Enter moves the size grid to the rows
// that begin with the typed size, one after another, and the grid's own row change follows.

#include "../calc/calculatorwindow.h"
#include "catalogue/datasource.h"
#include "contextmenu.h"
#include "namedcontrol.h"
#include "sizesearch/sizesearchdialog.h"

#include <QAction>
#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QScreen>
#include <QTest>
#include <QTimer>

namespace {

SizeSearchDialog *openSearch(CalculatorWindow &w)
{
    w.window->findChild<QAction *>(QStringLiteral("FindSize"))->trigger();
    return w.window->findChild<SizeSearchDialog *>();
}

// The leading cells of the grid's current row, as stored.
QStringList currentCells(const CalculatorWindow &w, qsizetype count)
{
    const int row = w.window->CurrentRowPosition();
    QStringList cells;
    for (int column = 0; column < count; ++column)
        cells.append(w.window->dataSource()->records()->cell(row, column));
    return cells;
}

void search(SizeSearchDialog *dialog, const QString &typed)
{
    auto *size = namedControl<QLineEdit>(dialog, "SizeText");
    size->setText(typed); // key clicks take Latin letters only
    QTest::keyClick(size, Qt::Key_Return);
}

} // namespace

class TestSizeSearchDialog : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia)); }

    // A kind, the size typed, the row the first Enter goes to and what the dialog says, the row
    // the second Enter goes to and what it says then.
    void enterAndEnterAgain_data()
    {
        QTest::addColumn<int>("toolbar");
        QTest::addColumn<int>("button");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("first");
        QTest::addColumn<QString>("firstSays");
        QTest::addColumn<QStringList>("second");
        QTest::addColumn<QString>("secondSays");
        QTest::newRow("seamless pipe, the only one")
            << 2 << 15 << "57x3.5" << QStringList{"57", "3.5"} << "Найден единственный размер."
            << QStringList{"57", "3.5"} << "Найден единственный размер.";
        QTest::newRow("channels 20") << 2 << 7 << "20" << QStringList{"20У"} << "Найдено: 1 из 2."
                                     << QStringList{"20П"} << "Найдено: 2 из 2.";
        QTest::newRow("equal angle 50x50x5")
            << 2 << 10 << "50х50х5" << QStringList{"50", "5"} << "Найден единственный размер."
            << QStringList{"50", "5"} << "Найден единственный размер.";
        QTest::newRow("I-beams 20") << 2 << 2 << "20" << QStringList{"20"} << "Найдено: 1 из 5."
                                    << QStringList{"20Б1"} << "Найдено: 2 из 5.";
        QTest::newRow("rails Р65 and Р65К")
            << 2 << 5 << "р65" << QStringList{"Р65"} << "Найдено: 1 из 2." << QStringList{"Р65К"}
            << "Найдено: 2 из 2.";
        QTest::newRow("bolt M12x60, Latin") << 4 << 8 << "M12x60" << QStringList{"12", "60"}
                                            << "Найден единственный размер." << QStringList{"12", "60"}
                                            << "Найден единственный размер.";
        QTest::newRow("ribbed sheets 4") << 5 << 1 << "4" << QStringList{"4.0", "ромбическое"} << "Найдено: 1 из 2."
                                         << QStringList{"4.0", "чечевичное"} << "Найдено: 2 из 2.";
    }
    void enterAndEnterAgain()
    {
        QFETCH(int, toolbar);
        QFETCH(int, button);
        QFETCH(QString, typed);
        QFETCH(QStringList, first);
        QFETCH(QString, firstSays);
        QFETCH(QStringList, second);
        QFETCH(QString, secondSays);
        CalculatorWindow w(true);
        w.choose(toolbar, button);
        QPointer<SizeSearchDialog> dialog = openSearch(w);
        QVERIFY(dialog);
        search(dialog, typed);
        QCOMPARE(currentCells(w, first.size()), first);
        QCOMPARE(namedControl<QLabel>(dialog, "SearchStatus")->text(), firstSays);
        QTest::keyClick(namedControl<QLineEdit>(dialog, "SizeText"), Qt::Key_Return);
        QCOMPARE(currentCells(w, second.size()), second);
        QCOMPARE(namedControl<QLabel>(dialog, "SearchStatus")->text(), secondSays);
        QVERIFY(dialog->isVisible());
    }

    // The grid's own row change runs: the size found is the one computed.
    void theFoundRowIsComputed()
    {
        CalculatorWindow w(true);
        w.choose(2, 15);
        w.type("Text3", QStringLiteral("1000"));
        w.type("Text5", QStringLiteral("1"));
        w.click("Option2");
        search(openSearch(w), QStringLiteral("57*3,5"));
        QCOMPARE(w.text("Text6"), QStringLiteral("4,62")); // 4.62 kg/m, 1 m
        // The grid shows the wall with a comma and the rules read the stored point.
        const QModelIndex wall = w.get<QTableView>("DBGrid2")->currentIndex().siblingAtColumn(1);
        QCOMPARE(wall.data().toString(), QStringLiteral("3,5"));
        QCOMPARE(w.window->ReadCell(1), std::optional<QString>(QStringLiteral("3.5")));
    }

    // The same size typed for another kind's table starts from that table's top.
    void anotherKindStartsAtTheTop()
    {
        CalculatorWindow w(true);
        w.choose(2, 2);
        QPointer<SizeSearchDialog> dialog = openSearch(w);
        search(dialog, QStringLiteral("20"));
        w.press(2, 7); // channels, the user at their last row: a new search, not a next one
        w.selectRow(w.window->dataSource()->records()->rowCount() - 1);
        QTest::keyClick(namedControl<QLineEdit>(dialog, "SizeText"), Qt::Key_Return);
        QCOMPARE(currentCells(w, 1), QStringList{"20У"});
        QCOMPARE(namedControl<QLabel>(dialog, "SearchStatus")->text(), QStringLiteral("Найдено: 1 из 2."));
    }

    void noMatchKeepsTheRow()
    {
        CalculatorWindow w(true);
        w.choose(2, 15);
        w.selectRow(7, 1);
        QPointer<SizeSearchDialog> dialog = openSearch(w);
        search(dialog, QStringLiteral("57х3,6"));
        QCOMPARE(namedControl<QLabel>(dialog, "SearchStatus")->text(),
                 QStringLiteral("Размер «57х3,6» в таблице не найден."));
        const QModelIndex current = w.get<QTableView>("DBGrid2")->currentIndex();
        QCOMPARE(current.row(), 7);
        QCOMPARE(current.column(), 1);
        search(dialog, QString());
        QCOMPARE(namedControl<QLabel>(dialog, "SearchStatus")->text(),
                 QStringLiteral("Введите размер, например 57х3,5."));
        QCOMPARE(w.get<QTableView>("DBGrid2")->currentIndex().row(), 7);
    }

    void withoutAKind()
    {
        CalculatorWindow w(true);
        QPointer<SizeSearchDialog> dialog = openSearch(w);
        search(dialog, QStringLiteral("57х3,5"));
        QCOMPARE(namedControl<QLabel>(dialog, "SearchStatus")->text(), QStringLiteral("Сначала выберите изделие."));
        // After a group press the grid is hidden and there is no kind again.
        w.choose(2, 15);
        w.press(1, 1);
        search(dialog, QStringLiteral("57х3,5"));
        QCOMPARE(namedControl<QLabel>(dialog, "SearchStatus")->text(), QStringLiteral("Сначала выберите изделие."));
    }

    // Ctrl+F or the grid's menu opens the dialog with the size field focused; Esc closes it and
    // the next opening keeps the size, selected, so typing replaces it.
    void opensFocusedAndEscapeCloses()
    {
        CalculatorWindow w(true);
        w.choose(2, 2);
        const QAction *command = w.window->findChild<QAction *>(QStringLiteral("FindSize"));
        QCOMPARE(command->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_F));
        QVERIFY(w.window->actions().contains(command));
        QVERIFY(w.get<QTableView>("DBGrid2")->actions().contains(command));

        QPointer<SizeSearchDialog> dialog = openSearch(w);
        QVERIFY(dialog->isVisible());
        auto *size = namedControl<QLineEdit>(dialog, "SizeText");
        QCOMPARE(dialog->focusWidget(), size);
        search(dialog, QStringLiteral("20Б1"));
        QTest::keyClick(size, Qt::Key_Escape);
        QVERIFY(!dialog->isVisible());
        QCOMPARE(currentCells(w, 1), QStringList{"20Б1"});

        QCOMPARE(openSearch(w), dialog.data());
        QVERIFY(dialog->isVisible());
        QCOMPARE(size->text(), QStringLiteral("20Б1"));
        QCOMPARE(size->selectedText(), QStringLiteral("20Б1"));
    }

    // Where the screen has room the dialog opens beside the main window, the grid in sight. The
    // test screen is 800 x 600: a window in its corner leaves room on the right, the centred
    // window only below.
    void besideTheMainWindow_data()
    {
        QTest::addColumn<bool>("inTheCorner");
        QTest::addColumn<bool>("right");
        QTest::newRow("room on the right") << true << true;
        QTest::newRow("room below only") << false << false;
    }
    void besideTheMainWindow()
    {
        QFETCH(bool, inTheCorner);
        QFETCH(bool, right);
        CalculatorWindow w(true);
        w.choose(2, 15);
        if (inTheCorner)
            w.window->move(0, 0);
        QPointer<SizeSearchDialog> dialog = openSearch(w);
        const QRect main = w.window->frameGeometry();
        const QRect placed = dialog->frameGeometry();
        QVERIFY(!placed.intersects(main));
        QCOMPARE(placed.left() > main.right(), right);
        QCOMPARE(placed.top() > main.bottom(), !right);
        QVERIFY(dialog->screen()->availableGeometry().contains(placed));
    }

    void inTheGridsMenu()
    {
        CalculatorWindow w(true);
        w.choose(2, 2);
        QTableView *grid = w.get<QTableView>("DBGrid2");
        const QStringList entries = contextMenuEntries(grid, QPoint(5, 5));
        QVERIFY2(entries.contains(QStringLiteral("Найти размер…")), qPrintable(entries.join(QLatin1Char('|'))));
    }

    // The header's tooltip is the whole column name, however narrow the column.
    void headerTooltips()
    {
        CalculatorWindow w(true);
        w.choose(2, 10);
        const QAbstractItemModel *model = w.get<QTableView>("DBGrid2")->model();
        QCOMPARE(model->headerData(0, Qt::Horizontal, Qt::ToolTipRole).toString(),
                 QStringLiteral("Ширина полки b, мм"));
        QCOMPARE(model->headerData(5, Qt::Horizontal, Qt::ToolTipRole).toString(),
                 QStringLiteral("Радиус внутреннего закругления R, мм"));
    }
};

QTEST_MAIN(TestSizeSearchDialog)
#include "tst_sizesearchdialog.moc"
