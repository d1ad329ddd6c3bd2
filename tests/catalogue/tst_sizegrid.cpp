// The size grid on the real main window over the built base: a key typed on it never chooses
// another size by itself (what is typed goes to the size search), and Tab and Shift+Tab leave it
// for the calculator's inputs instead of walking through its cells into the next size.

#include "../calc/calculatorwindow.h"
#include "sizesearch/sizesearchdialog.h"

#include <QApplication>
#include <QTest>

namespace {

QTableView *gridOf(const CalculatorWindow &w)
{
    return w.get<QTableView>("DBGrid2");
}

// An I-beam of the first row, 1000 mm of it: the grid has the focus, as after a click on a
// disabled input.
void focusedIBeamGrid(CalculatorWindow &w)
{
    w.choose(2, 2);
    w.type("Text3", QStringLiteral("1000"));
    QApplication::setActiveWindow(w.window.get());
    gridOf(w)->setFocus();
    QVERIFY(QTest::qWaitForWindowActive(w.window.get()));
    QVERIFY(gridOf(w)->hasFocus());
}

} // namespace

class TestSizeGrid : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia)); }

    void typedTextOpensTheSizeSearch()
    {
        CalculatorWindow w(true);
        focusedIBeamGrid(w);
        if (QTest::currentTestFailed())
            return;
        const QString mass = w.text("Text6");
        QVERIFY(!mass.isEmpty());

        QTest::keyClicks(gridOf(w), QStringLiteral("7"));
        QCOMPARE(w.window->CurrentRowPosition(), 0);
        QCOMPARE(w.text("Text6"), mass);
        auto *search = w.window->findChild<SizeSearchDialog *>();
        QVERIFY(search);
        QVERIFY(search->isVisible());
        auto *size = namedControl<QLineEdit>(search, "SizeText");
        QCOMPARE(size->text(), QStringLiteral("7"));
        // The next key goes on in the size field, after what was typed.
        QCOMPARE(size->cursorPosition(), 1);
        QTest::keyClicks(size, QStringLiteral("0"));
        QCOMPARE(size->text(), QStringLiteral("70"));
        QCOMPARE(w.window->CurrentRowPosition(), 0);
        QCOMPARE(w.text("Text6"), mass);
    }

    void controlKeysTypeNothing()
    {
        CalculatorWindow w(true);
        focusedIBeamGrid(w);
        if (QTest::currentTestFailed())
            return;
        for (const Qt::Key key : {Qt::Key_Backspace, Qt::Key_Escape})
            QTest::keyClick(gridOf(w), key);
        QVERIFY(!w.window->findChild<SizeSearchDialog *>());
        // The arrow keys still move through the sizes, as the user means them to.
        QTest::keyClick(gridOf(w), Qt::Key_Down);
        QCOMPARE(w.window->CurrentRowPosition(), 1);
    }

    // A kind, the input Tab goes to from the grid and the one Shift+Tab goes to: the first and
    // the last the kind lets the user type into.
    void tabLeavesTheGridForTheInputs_data()
    {
        QTest::addColumn<int>("toolbar");
        QTest::addColumn<int>("button");
        QTest::addColumn<QString>("next");
        QTest::addColumn<QString>("previous");
        QTest::newRow("I-beam: length to pieces") << 2 << 2 << "Text3" << "Text5";
        QTest::newRow("ribbed sheet: width to pieces") << 5 << 1 << "Text2" << "Text5";
        QTest::newRow("bolts: pieces only") << 4 << 8 << "Text5" << "Text5";
        QTest::newRow("woven mesh: area only") << 3 << 4 << "Text4" << "Text4";
    }
    void tabLeavesTheGridForTheInputs()
    {
        QFETCH(int, toolbar);
        QFETCH(int, button);
        QFETCH(QString, next);
        QFETCH(QString, previous);
        CalculatorWindow w(true);
        w.choose(toolbar, button);
        QApplication::setActiveWindow(w.window.get());
        QVERIFY(QTest::qWaitForWindowActive(w.window.get()));
        for (const auto &[key, modifiers, expected] :
             {std::tuple{Qt::Key_Tab, Qt::NoModifier, next}, std::tuple{Qt::Key_Backtab, Qt::ShiftModifier, previous}}) {
            gridOf(w)->setFocus();
            const int row = w.window->CurrentRowPosition();
            QTest::keyClick(gridOf(w), key, modifiers);
            QCOMPARE(QApplication::focusWidget(), w.get<QWidget>(qPrintable(expected)));
            QCOMPARE(w.window->CurrentRowPosition(), row);
        }
    }
};

QTEST_MAIN(TestSizeGrid)
#include "tst_sizegrid.moc"
