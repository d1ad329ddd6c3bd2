// The data panel says what it cannot show, through the real window: the hint before a kind is
// chosen, the note on a kind whose table has no rows, and the mark of a table that holds only
// part of its standard.

#include "../calc/calculatorwindow.h"
#include "../calc/fixturetables.h"
#include "catalogue/csvtable.h"
#include "catalogue/datasource.h"
#include "ownsizes/ownsizecommands.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QHelpEvent>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTextDocumentFragment>
#include <QTimer>
#include <QToolTip>

namespace {

const QString StartHint = QStringLiteral(
    "Выберите тип изделия, а затем изделие в списке изделий: здесь появится таблица его размеров.");
const QString GroupHint = QStringLiteral("Выберите изделие в списке изделий: здесь появится таблица его размеров.");
const QString AddOwnSizes = QStringLiteral(
    " Свои размеры можно добавить: правой кнопкой мыши на таблице — «Добавить размер…» или клавиша Insert.");

QLabel *note(const CalculatorWindow &w)
{
    return w.get<QLabel>("DataPanelNote");
}

// What the user sees over the grid: the note's text, or nothing when it is hidden.
QString shownNote(const CalculatorWindow &w)
{
    return note(w)->isVisible() ? note(w)->text() : QString();
}

// The widget a mouse press at the middle of the grid's rows reaches.
QWidget *widgetUnderTheNote(const CalculatorWindow &w)
{
    QWidget *viewport = w.get<QTableView>("DBGrid2")->viewport();
    const QPoint middle = viewport->mapTo(w.window.get(), viewport->rect().center());
    return w.window->childAt(middle);
}

// A tooltip as the user reads it: a paragraph of rich text is its words.
QString plainText(const QString &toolTip)
{
    return QTextDocumentFragment::fromHtml(toolTip).toPlainText();
}

// The tooltip the user gets when resting the mouse on the middle of the grid's place: on its
// rows, or on the empty panel when it is hidden.
QString toolTipOverTheRows(const CalculatorWindow &w)
{
    QToolTip::hideText();
    if (!QTest::qWaitFor([] { return !QToolTip::isVisible(); }))
        return QStringLiteral("a tooltip that stays");
    QWidget *viewport = w.get<QTableView>("DBGrid2")->viewport();
    const QPoint middle = viewport->mapTo(w.window.get(), viewport->rect().center());
    QWidget *under = w.window->childAt(middle);
    const QPoint at = under->mapFrom(w.window.get(), middle);
    QHelpEvent event(QEvent::ToolTip, at, under->mapToGlobal(at));
    QApplication::sendEvent(under, &event);
    return QToolTip::isVisible() ? plainText(QToolTip::text()) : QString();
}

// The fixture tables, with the stainless pipes emptied and empty tables of sealing washers and
// self-tapping screws (the Z sections are empty already).
QList<ProgramFixture::Table> withEmptyTables()
{
    QList<ProgramFixture::Table> tables = FixtureTables::all();
    for (ProgramFixture::Table &table : tables)
        if (table.name == QStringLiteral("трубы из нерж"))
            table.rows.clear();
    for (const char *name : {"шайба уплотнительная ШУ-6К", "винты самонарезающие"})
        tables.append({QString::fromUtf8(name),
                       {QStringLiteral("Обозначение"), QStringLiteral("d, мм"), QStringLiteral("l, мм"),
                        QStringLiteral("Масса 1000 шт., кг")},
                       {}});
    return tables;
}

} // namespace

class TestDataPanel : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia)); }

    // At the start the empty panel says what to do; the first kind press ends the hint, a group
    // press (grid hidden) gives the next step.
    void hintUntilAKindIsChosen()
    {
        CalculatorWindow w(FixtureTables::all());
        QCOMPARE(shownNote(w), StartHint);
        w.press(1, 2);
        QCOMPARE(shownNote(w), GroupHint);
        w.press(3, 2); // rebar, one row
        QCOMPARE(shownNote(w), QString());
        w.press(1, 1);
        QVERIFY(w.get("DBGrid2")->isHidden());
        QCOMPARE(shownNote(w), GroupHint);
        w.press(2, 10);
        QCOMPARE(shownNote(w), QString());
    }

    // A kind press straight from the start toolbar, without a group press, ends the hint too.
    void kindPressAtTheStartEndsTheHint()
    {
        CalculatorWindow w(FixtureTables::all());
        w.press(2, 10);
        QCOMPARE(shownNote(w), QString());
        QCOMPARE(w.window->dataSource()->records()->rowCount(), 1);
    }

    // A table without rows names its standard and how to add sizes; title, table, state and
    // results are those of any kind press: the outputs keep what they showed.
    void emptyTableNote_data()
    {
        QTest::addColumn<int>("toolbar");
        QTest::addColumn<int>("button");
        QTest::addColumn<QString>("standard");
        QTest::newRow("Z sections") << 2 << 12 << "ГОСТ 13229-78";
        QTest::newRow("stainless pipes") << 2 << 13 << "ГОСТ 11068-81";
        QTest::newRow("sealing washers") << 4 << 4 << "ТУ 36-2624-84";
        QTest::newRow("countersunk self-tapping screws") << 4 << 5 << "ГОСТ 10619-80";
    }
    void emptyTableNote()
    {
        QFETCH(int, toolbar);
        QFETCH(int, button);
        QFETCH(QString, standard);
        CalculatorWindow w(withEmptyTables());
        w.env->messages.answers = {UserMessages::Answer::Yes};
        w.choose(2, 10);
        w.type("Text3", QStringLiteral("1000"));
        w.type("Text5", QStringLiteral("1"));
        QCOMPARE(w.text("Text6"), QStringLiteral("10,5"));
        w.choose(toolbar, button);
        QVERIFY(!w.env->exit.code);
        QCOMPARE(shownNote(w), QStringLiteral("В базе пока нет размеров по %1.").arg(standard) + AddOwnSizes);
        QCOMPARE(w.window->dataSource()->records()->rowCount(), 0);
        QVERIFY(!w.get("DBGrid2")->isHidden());
        QCOMPARE(w.get<QGroupBox>("Frame2")->title(), QString::fromUtf8(w.window->currentKind()->title));
        QCOMPARE(w.text("Text6"), QString()); // no size, no figures
        QCOMPARE(w.text("Text7"), QString());
        // The note lies over the grid's rows, below its header, and every click goes through it.
        QCOMPARE(note(w)->geometry(),
                 QRect(w.get<QTableView>("DBGrid2")->viewport()->mapTo(w.get("Frame2"), QPoint(0, 0)),
                       w.get<QTableView>("DBGrid2")->viewport()->size()));
        QCOMPARE(widgetUnderTheNote(w), w.get<QTableView>("DBGrid2")->viewport());
        QSignalSpy menuAsked(w.get("DBGrid2"), &QWidget::customContextMenuRequested);
        QWidget *viewport = w.get<QTableView>("DBGrid2")->viewport();
        // The grid's menu, when it has commands to offer, is closed as soon as it opens.
        QTimer closeMenu;
        connect(&closeMenu, &QTimer::timeout, [] {
            if (QWidget *popup = QApplication::activePopupWidget())
                popup->close();
        });
        closeMenu.start(0);
        QTest::mouseClick(w.window->windowHandle(), Qt::RightButton, {},
                          viewport->mapTo(w.window.get(), viewport->rect().center()));
        QCOMPARE(menuAsked.size(), 1);
        // A kind with rows ends the note.
        w.choose(2, 10);
        QCOMPARE(shownNote(w), QString());
    }

    // Rows that reach the grid after the kind press, from wherever they come, end the note, and
    // it is back when they are gone.
    void rowsArrivingLaterEndTheNote()
    {
        CalculatorWindow w(FixtureTables::all());
        w.choose(2, 12);
        QVERIFY(!shownNote(w).isEmpty());
        RecordSetModel *records = w.window->dataSource()->records();
        const QStringList columns{QStringLiteral("h"), QStringLiteral("b"), QStringLiteral("a"),
                                  QStringLiteral("s"), QStringLiteral("Масса 1 м, кг")};
        records->reset(columns, {{QStringLiteral("100"), QStringLiteral("50"), QStringLiteral("20"),
                                  QStringLiteral("2"), QStringLiteral("3.1")}});
        QCOMPARE(shownNote(w), QString());
        records->reset(columns, {});
        QVERIFY(shownNote(w).startsWith(QStringLiteral("В базе пока нет размеров по ГОСТ 13229-78.")));
    }

    // The user's own sizes of a table the base has no rows of: shown at the kind press, no note;
    // the last one removed, the note is back.
    void ownSizesOfAnEmptyTable()
    {
        CalculatorWindow w(FixtureTables::all());
        CsvTable sizes;
        sizes.name = QStringLiteral("z профиль");
        sizes.columns = {QStringLiteral("h"), QStringLiteral("b"), QStringLiteral("a"), QStringLiteral("s"),
                         QStringLiteral("Масса 1 м, кг")};
        sizes.rows = {{QStringLiteral("200"), QString(), QString(), QString(), QStringLiteral("9.6")}};
        const QString dir = w.env->userData.filePath(QStringLiteral("morvex/sizes"));
        QVERIFY(QDir().mkpath(dir));
        QFile file(dir + QStringLiteral("/z_profil.csv"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(writeCsvTable(sizes));
        file.close();
        w.choose(2, 12);
        QCOMPARE(w.window->dataSource()->records()->rowCount(), 1);
        QCOMPARE(shownNote(w), QString());
        w.env->messages.answers = {UserMessages::Answer::Yes};
        w.get<OwnSizeCommands>("OwnSizeCommands")->removeSize();
        QCOMPARE(w.window->dataSource()->records()->rowCount(), 0);
        QCOMPARE(shownNote(w), QStringLiteral("В базе пока нет размеров по ГОСТ 13229-78.") + AddOwnSizes);
    }

    // The note follows the grid when the data panel is made taller and shorter.
    void noteFollowsTheDataPanel()
    {
        CalculatorWindow w(FixtureTables::all());
        w.choose(2, 12);
        // The grid lays out its header and scroll bars once the events of the press are done.
        QApplication::processEvents();
        QWidget *viewport = w.get<QTableView>("DBGrid2")->viewport();
        const QRect before = note(w)->geometry();
        QCOMPARE(before.size(), viewport->size());
        w.get<QPushButton>("Command4")->click();
        QApplication::processEvents();
        QCOMPARE(note(w)->size(), viewport->size());
        QCOMPARE(note(w)->height(), before.height() + 20); // 300 twips
        w.get<QPushButton>("Command5")->click();
        QApplication::processEvents();
        QCOMPARE(note(w)->geometry(), before);
    }

    // A table the base marks as partial says so over its rows; an unmarked table and a base
    // without the list of partial tables say nothing; a group press takes the mark away.
    void partialTableMark_data()
    {
        QTest::addColumn<bool>("withList");
        QTest::addColumn<int>("button");
        QTest::addColumn<QString>("mark");
        const QString angles = QStringLiteral("ГОСТ 8509-93: 1 размер из 89, не все");
        QTest::newRow("marked table") << true << 10 << angles;
        QTest::newRow("marked table of an SQL record source") << true << 3 << "ГОСТ 2590-2006: 1 диаметр, не все";
        QTest::newRow("table not marked") << true << 2 << "";
        QTest::newRow("base without the list") << false << 10 << "";
    }
    void partialTableMark()
    {
        QFETCH(bool, withList);
        QFETCH(int, button);
        QFETCH(QString, mark);
        QList<ProgramFixture::Table> tables = FixtureTables::all();
        if (withList)
            tables.append(ProgramFixture::partialTables(
                {{QStringLiteral("уголок"), QStringLiteral("ГОСТ 8509-93: 1 размер из 89, не все")},
                 {QStringLiteral("Прокат круглый"), QStringLiteral("ГОСТ 2590-2006: 1 диаметр, не все")}}));
        CalculatorWindow w(tables);
        w.choose(2, button);
        QCOMPARE(toolTipOverTheRows(w), mark);
        QCOMPARE(plainText(w.get("Frame2")->toolTip()), mark);
        QCOMPARE(shownNote(w), QString()); // a partial table has rows: no note over them
        w.press(1, 1);
        QCOMPARE(toolTipOverTheRows(w), QString());
        QCOMPARE(w.get("Frame2")->toolTip(), QString());
    }
};

QTEST_MAIN(TestDataPanel)
#include "tst_datapanel.moc"
