// Own sizes through the main window: added, changed and removed from the size grid, shown after
// the base's rows and used like them.

#include "calculatorwindow.h"
#include "catalogue/csvtable.h"
#include "catalogue/datasource.h"
#include "fixturetables.h"
#include "ownsizes/ownsizecommands.h"
#include "ownsizes/ownsizedialog.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

QTableView *grid(const CalculatorWindow &w)
{
    return w.get<QTableView>("DBGrid2");
}

OwnSizeCommands *commands(const CalculatorWindow &w)
{
    return w.get<OwnSizeCommands>("OwnSizeCommands");
}

QString sizesDir(const CalculatorWindow &w)
{
    return w.env->userData.filePath(QStringLiteral("morvex/sizes"));
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A file of own sizes for one of the fixture's tables, before its kind is chosen.
void putSizes(const CalculatorWindow &w, const QString &table, const QString &file, const QList<QStringList> &rows)
{
    QStringList columns;
    for (const ProgramFixture::Table &fixture : FixtureTables::all())
        if (fixture.name == table)
            columns = fixture.columns;
    QVERIFY(!columns.isEmpty());
    CsvTable sizes;
    sizes.name = table;
    sizes.columns = columns;
    sizes.rows = rows;
    QDir().mkpath(sizesDir(w));
    QFile out(sizesDir(w) + QLatin1Char('/') + file);
    QVERIFY(out.open(QIODevice::WriteOnly));
    out.write(writeCsvTable(sizes));
}

// A key on the size grid, with the focus there as the user's click would put it.
void key(const CalculatorWindow &w, Qt::Key k)
{
    QApplication::setActiveWindow(w.window.get());
    grid(w)->setFocus();
    QTest::keyClick(grid(w), k);
}

// Fills the dialog's fields (by field number) and presses "Сохранить".
void fillAndSave(OwnSizeDialog *dialog, const QMap<int, QString> &fields)
{
    QVERIFY(dialog);
    for (auto it = fields.begin(); it != fields.end(); ++it)
        dialog->findChild<QLineEdit *>(QStringLiteral("Field%1").arg(it.key()))->setText(it.value());
    dialog->findChild<QPushButton *>(QStringLiteral("Save"))->click();
}

QStringList gridRow(const CalculatorWindow &w, int row)
{
    const RecordSetModel *records = w.window->dataSource()->records();
    QStringList cells;
    for (int c = 0; c < records->columnCount(); ++c)
        cells.append(records->cell(row, c));
    return cells;
}

} // namespace

class TestOwnSizeWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia)); }

    // "z профиль" has no rows in the base: the first own size makes it a table like any other.
    void anOwnSizeInAnEmptyTable()
    {
        CalculatorWindow w(FixtureTables::all());
        w.choose(2, 12);
        w.type("Text3", QStringLiteral("6000"));
        w.type("Text5", QStringLiteral("2"));
        QCOMPARE(grid(w)->model()->rowCount(), 0);
        QCOMPARE(w.window->CurrentRowPosition(), -1);
        // The panel's note says the base has none and how to add one.
        QVERIFY(w.get("DataPanelNote")->isVisible());
        QVERIFY(commands(w)->addCommand()->isEnabled());
        QVERIFY(!commands(w)->changeCommand()->isEnabled());
        QVERIFY(!commands(w)->removeCommand()->isEnabled());

        key(w, Qt::Key_Insert);
        OwnSizeDialog *dialog = commands(w)->dialog();
        QVERIFY(dialog);
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Добавить размер"));
        QCOMPARE(dialog->typed().size(), 5); // h, b, a, s, mass
        fillAndSave(dialog, {{0, "200"}, {3, "2,5"}, {4, "9,6"}});
        QVERIFY(!commands(w)->dialog());

        QCOMPARE(contents(sizesDir(w) + QStringLiteral("/z_profil.csv")),
                 QByteArray("# table: z профиль\nh,b,a,s,\"Масса 1 м, кг\"\n200,,,2.5,9.6\n"));
        QCOMPARE(grid(w)->model()->rowCount(), 1);
        QVERIFY(!w.get("DataPanelNote")->isVisible());
        QCOMPARE(w.window->CurrentRowPosition(), 0);
        QVERIFY(grid(w)->selectionModel()->isRowSelected(0, {}));
        QCOMPARE(w.text("Text6"), QStringLiteral("57,6"));  // 9.6 kg/m × 6 m
        QCOMPARE(w.text("Text7"), QStringLiteral("115,2")); // × 2
        QVERIFY(commands(w)->changeCommand()->isEnabled());
    }

    void anOwnSizeInAFullTable()
    {
        CalculatorWindow w(FixtureTables::all());
        w.choose(2, 10); // one equal angle of 10.5 kg/m in the fixture
        w.type("Text3", QStringLiteral("1000"));
        w.type("Text5", QStringLiteral("2"));
        QCOMPARE(w.text("Text6"), QStringLiteral("10,5"));
        commands(w)->addSize();
        fillAndSave(commands(w)->dialog(), {{0, "63"}, {1, "5"}, {2, "4,81"}});
        QCOMPARE(w.window->CurrentRowPosition(), 1);
        QCOMPARE(gridRow(w, 1), (QStringList{"63", "5", "4.81"}));
        QCOMPARE(w.text("Text6"), QStringLiteral("4,8"));
        QCOMPARE(w.text("Text7"), QStringLiteral("9,6"));
        const RecordSetModel *records = w.window->dataSource()->records();
        QVERIFY(!records->isOwnRow(0));
        QVERIFY(records->isOwnRow(1));
        QCOMPARE(records->data(records->index(1, 0), Qt::ToolTipRole).toString(), QStringLiteral("Свой размер"));
        // The base's row is read as before.
        w.selectRow(0);
        QCOMPARE(w.text("Text6"), QStringLiteral("10,5"));
        // And the own row stays at the next kind press.
        w.choose(2, 10);
        QCOMPARE(gridRow(w, 1), (QStringList{"63", "5", "4.81"}));
    }

    // A table read through a select of two columns: the own row holds every column of the
    // table, the grid shows the two, after the ordered rows of the base.
    void anOwnSizeInATableReadInPart()
    {
        CalculatorWindow w(FixtureTables::all());
        w.choose(2, 3);
        w.type("Text3", QStringLiteral("1000"));
        commands(w)->addSize();
        OwnSizeDialog *dialog = commands(w)->dialog();
        QCOMPARE(dialog->typed().size(), 2); // the ordering key has no field
        fillAndSave(dialog, {{0, "12"}, {1, "0,888"}});
        QCOMPARE(w.window->CurrentRowPosition(), 1);
        QCOMPARE(gridRow(w, 1), (QStringList{"12", "0.888"}));
        QCOMPARE(w.text("Text6"), QStringLiteral("0,9"));
        QCOMPARE(contents(sizesDir(w) + QStringLiteral("/krug.csv")),
                 QByteArray("# table: Прокат круглый\n\"Диаметр, мм\",\"Масса 1м, кГ\",index\n12,0.888,\n"));
    }

    // The row positions that pick drawings and rules are the base's as before; own rows come
    // after them and are treated as rows of their place.
    void rowPositionsAfterOwnRows_data()
    {
        QTest::addColumn<int>("toolbar");
        QTest::addColumn<int>("button");
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QStringList>("own");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("picture");
        QTest::addColumn<QString>("onePiece");
        const QStringList beam{"25Б1", "248", "124", "5", "8", "25.7"};
        const QStringList ribbed{"5", "1", "30", "1500", "42.2"};
        const QStringList woven{"x", "0.5", "1000", "", "", "", "0.91"};
        const QStringList welded{"7", "4", "2350", "150", "150"};
        QTest::newRow("I-beam 16") << 2 << 2 << "двутавр" << "dvutavr.csv" << beam << 16 << "dvut1.jpg" << "21,0";
        QTest::newRow("I-beam 17") << 2 << 2 << "двутавр" << "dvutavr.csv" << beam << 17 << "dvut2.jpg" << "21,0";
        QTest::newRow("I-beam, own 18") << 2 << 2 << "двутавр" << "dvutavr.csv" << beam << 18 << "dvut2.jpg" << "25,7";
        QTest::newRow("ribbed sheet 7") << 5 << 1 << "лист рифленный" << "list_riflenny.csv" << ribbed << 7 << "r1.jpg" << "35,0";
        QTest::newRow("ribbed sheet 8") << 5 << 1 << "лист рифленный" << "list_riflenny.csv" << ribbed << 8 << "r2.jpg" << "35,0";
        QTest::newRow("ribbed sheet, own 9") << 5 << 1 << "лист рифленный" << "list_riflenny.csv" << ribbed << 9 << "r2.jpg" << "42,2";
        QTest::newRow("woven mesh 47") << 3 << 4 << "Сетка плетеная" << "setka_pletenaya.csv" << woven << 47 << "s2.jpg" << "0,83";
        QTest::newRow("woven mesh, own 48") << 3 << 4 << "Сетка плетеная" << "setka_pletenaya.csv" << woven << 48 << "s2.jpg" << "0,91";
        // (950 / 100 + 950 / 100 + 2) × 0.052 and (950 / 150 + 950 / 150 + 2) × 0.052
        QTest::newRow("welded mesh 3") << 3 << 5 << "Сетка сварная" << "setka_svarnaya.csv" << welded << 3 << "ss2.jpg" << "1,092";
        QTest::newRow("welded mesh, own 6") << 3 << 5 << "Сетка сварная" << "setka_svarnaya.csv" << welded << 6 << "ss2.jpg" << "0,763";
    }
    void rowPositionsAfterOwnRows()
    {
        QFETCH(int, toolbar);
        QFETCH(int, button);
        QFETCH(QString, table);
        QFETCH(QString, file);
        QFETCH(QStringList, own);
        QFETCH(int, row);
        QFETCH(QString, picture);
        QFETCH(QString, onePiece);
        CalculatorWindow w(FixtureTables::all());
        putSizes(w, table, file, {own});
        w.choose(toolbar, button);
        w.click("Option3");
        for (const char *input : {"Text2", "Text3"})
            w.type(input, QStringLiteral("1000"));
        w.type("Text5", QStringLiteral("1"));
        w.type("Text4", QStringLiteral("10"));
        QCOMPARE(w.env->messages.shown.size(), 0);
        w.selectRow(row);
        QCOMPARE(w.window->CurrentRowPosition(), row);
        QCOMPARE(w.state().PictureFile, picture);
        QCOMPARE(w.text("Text6"), onePiece);
    }

    void onlyOwnRowsAreChangedOrRemoved()
    {
        CalculatorWindow w(FixtureTables::all());
        putSizes(w, QStringLiteral("уголок"), QStringLiteral("ugolok.csv"), {{"40", "3", "1.85"}, {"63", "5", "4.81"}});
        w.choose(2, 10);
        w.type("Text3", QStringLiteral("1000"));
        QCOMPARE(grid(w)->model()->rowCount(), 3);
        // The base's row: Enter and Delete do nothing.
        key(w, Qt::Key_Return);
        key(w, Qt::Key_Delete);
        QVERIFY(!commands(w)->dialog());
        QVERIFY(w.env->messages.shown.isEmpty());
        QCOMPARE(grid(w)->model()->rowCount(), 3);

        w.selectRow(1);
        QVERIFY(commands(w)->changeCommand()->isEnabled());
        key(w, Qt::Key_Return);
        OwnSizeDialog *dialog = commands(w)->dialog();
        QVERIFY(dialog);
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Изменить размер"));
        QCOMPARE(dialog->typed(), (QStringList{"40", "3", "1.85"}));
        fillAndSave(dialog, {{1, "4"}, {2, "2,42"}});
        QCOMPARE(w.window->CurrentRowPosition(), 1);
        QCOMPARE(gridRow(w, 1), (QStringList{"40", "4", "2.42"}));
        QCOMPARE(w.text("Text6"), QStringLiteral("2,4"));

        // Removal asks first; No keeps the row.
        w.env->messages.answers = {UserMessages::Answer::No};
        key(w, Qt::Key_Delete);
        QCOMPARE(w.env->messages.shown.size(), 1);
        const UserMessages::Message asked = w.env->messages.shown.first();
        QCOMPARE(asked.text, QStringLiteral("Удалить свой размер «40; 4; 2.42» ?"));
        QCOMPARE(asked.buttons, UserMessages::Buttons::YesNo);
        QCOMPARE(grid(w)->model()->rowCount(), 3);
        w.env->messages.answers = {UserMessages::Answer::Yes};
        key(w, Qt::Key_Delete);
        QCOMPARE(grid(w)->model()->rowCount(), 2);
        // The next row takes its place and is computed.
        QCOMPARE(w.window->CurrentRowPosition(), 1);
        QCOMPARE(gridRow(w, 1), (QStringList{"63", "5", "4.81"}));
        QCOMPARE(w.text("Text6"), QStringLiteral("4,8"));
        QCOMPARE(contents(sizesDir(w) + QStringLiteral("/ugolok.csv")),
                 QByteArray("# table: уголок\n\"b, мм\",\"t, мм\",\"Масса 1 м, кг\"\n63,5,4.81\n"));
        // The last one removed: the base's row before it is current.
        key(w, Qt::Key_Delete);
        QCOMPARE(grid(w)->model()->rowCount(), 1);
        QCOMPARE(w.window->CurrentRowPosition(), 0);
        QCOMPARE(w.text("Text6"), QStringLiteral("10,5"));
    }

    // Removing the only size of an empty table leaves it empty, and the figures of the size
    // that is gone with it.
    void theLastSizeOfAnEmptyTable()
    {
        CalculatorWindow w(FixtureTables::all());
        putSizes(w, QStringLiteral("z профиль"), QStringLiteral("z_profil.csv"), {{"200", "", "", "", "9.6"}});
        w.choose(2, 12);
        w.type("Text3", QStringLiteral("1000"));
        QCOMPARE(w.text("Text6"), QStringLiteral("9,6"));
        commands(w)->removeSize();
        QCOMPARE(grid(w)->model()->rowCount(), 0);
        QCOMPARE(w.window->CurrentRowPosition(), -1);
        QCOMPARE(w.text("Text6"), QString());
        QCOMPARE(w.get<QLineEdit>("Text6")->placeholderText(), QStringLiteral("нет размера"));
        QVERIFY(!commands(w)->removeCommand()->isEnabled());
        QVERIFY(w.env->exit.code == std::nullopt);
    }

    // The file changed on disk while the dialog was open: the size typed is not written over
    // it; the dialog closes, the grid shows what the file now holds and the user is told.
    void aFileChangedOnDiskIsNotWrittenOver()
    {
        CalculatorWindow w(FixtureTables::all());
        putSizes(w, QStringLiteral("z профиль"), QStringLiteral("z_profil.csv"), {{"200", "", "", "", "9.6"}});
        w.choose(2, 12);
        commands(w)->addSize();
        putSizes(w, QStringLiteral("z профиль"), QStringLiteral("z_profil.csv"),
                 {{"200", "", "", "", "9.6"}, {"250", "", "", "", "12.0"}});
        const QByteArray outside = contents(sizesDir(w) + QStringLiteral("/z_profil.csv"));
        fillAndSave(commands(w)->dialog(), {{0, "300"}, {4, "14"}});
        QVERIFY(!commands(w)->dialog());
        QCOMPARE(contents(sizesDir(w) + QStringLiteral("/z_profil.csv")), outside);
        QCOMPARE(grid(w)->model()->rowCount(), 2);
        QCOMPARE(gridRow(w, 1).first(), QStringLiteral("250"));
        QCOMPARE(w.env->messages.shown.size(), 1);
        // Made again, the size joins the others.
        commands(w)->addSize();
        fillAndSave(commands(w)->dialog(), {{0, "300"}, {4, "14"}});
        QCOMPARE(grid(w)->model()->rowCount(), 3);
        QCOMPARE(w.window->CurrentRowPosition(), 2);
    }

    void aRefusedSizeKeepsTheTyping()
    {
        CalculatorWindow w(FixtureTables::all());
        w.choose(2, 12);
        commands(w)->addSize();
        OwnSizeDialog *dialog = commands(w)->dialog();
        fillAndSave(dialog, {{0, "200"}, {4, "около 10"}});
        QCOMPARE(commands(w)->dialog(), dialog);
        auto *message = dialog->findChild<QLabel *>(QStringLiteral("Message"));
        QVERIFY(!message->isHidden());
        QCOMPARE(message->text(), QStringLiteral("В поле «Масса 1 м, кг» должно стоять положительное число."));
        QCOMPARE(dialog->typed(), (QStringList{"200", "", "", "", "около 10"}));
        QVERIFY(!QFileInfo::exists(sizesDir(w)));
        QCOMPARE(grid(w)->model()->rowCount(), 0);
        // Mended, it is taken.
        fillAndSave(dialog, {{4, "10"}});
        QVERIFY(!commands(w)->dialog());
        QCOMPARE(grid(w)->model()->rowCount(), 1);
    }

    void aFailedWriteKeepsTheDialog()
    {
        CalculatorWindow w(FixtureTables::all());
        QDir().mkpath(w.env->userData.filePath(QStringLiteral("morvex")));
        QFile blocker(sizesDir(w)); // a file where the directory goes
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        w.choose(2, 10);
        commands(w)->addSize();
        OwnSizeDialog *dialog = commands(w)->dialog();
        fillAndSave(dialog, {{0, "63"}, {2, "4.81"}});
        QCOMPARE(w.env->messages.shown.size(), 1);
        QCOMPARE(w.env->messages.shown.first().title, QStringLiteral("Ошибка"));
        QCOMPARE(commands(w)->dialog(), dialog);
        QCOMPARE(dialog->typed(), (QStringList{"63", "", "4.81"}));
        QCOMPARE(grid(w)->model()->rowCount(), 1);
        dialog->findChild<QPushButton *>(QStringLiteral("Cancel"))->click();
        QVERIFY(!commands(w)->dialog());
        QVERIFY(w.env->exit.code == std::nullopt);
    }

    void aDamagedFileIsToldOnceAtTheKindPress()
    {
        CalculatorWindow w(FixtureTables::all());
        QDir().mkpath(sizesDir(w));
        QFile file(sizesDir(w) + QStringLiteral("/ugolok.csv"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("# table: уголок\n\"b, мм\",\"t, мм\",\"Масса 1 м, кг\"\n40,3,1.85\n63,5\n");
        file.close();
        w.choose(2, 10);
        QCOMPARE(w.env->messages.shown.size(), 1);
        QVERIFY(w.env->messages.shown.first().text.contains(QStringLiteral("строка 4: Полей 2, а столбцов в заголовке 3.")));
        QCOMPARE(grid(w)->model()->rowCount(), 2);
        QVERIFY(w.env->exit.code == std::nullopt);
        w.choose(2, 10);
        QCOMPARE(w.env->messages.shown.size(), 1);
    }

    // The right click on a table without rows (no current row) offers the commands; adding
    // from the menu works as with the key.
    void theContextMenuOfAnEmptyTable()
    {
        CalculatorWindow w(FixtureTables::all());
        w.choose(2, 12);
        QStringList offered;
        QTimer::singleShot(0, [&] {
            auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
            if (!menu)
                return;
            for (QAction *action : menu->actions())
                offered.append(action->text() + (action->isEnabled() ? "" : " (off)"));
            for (QAction *action : menu->actions())
                if (action->text() == QStringLiteral("Добавить размер…"))
                    action->trigger();
            menu->close();
        });
        QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(20, 20), grid(w)->viewport()->mapToGlobal(QPoint(20, 20)));
        QApplication::sendEvent(grid(w)->viewport(), &click);
        QVERIFY(offered.contains(QStringLiteral("Добавить размер…")));
        QVERIFY(offered.contains(QStringLiteral("Изменить… (off)")));
        QVERIFY(offered.contains(QStringLiteral("Удалить (off)")));
        QVERIFY(commands(w)->dialog());
    }

    // Without a chosen kind (after a group press) there is no table to add to.
    void noKindNoCommands()
    {
        CalculatorWindow w(FixtureTables::all());
        QVERIFY(!commands(w)->addCommand()->isEnabled());
        w.choose(3, 1);
        QVERIFY(commands(w)->addCommand()->isEnabled());
        w.press(1, 2);
        QVERIFY(!commands(w)->addCommand()->isEnabled());
        commands(w)->addSize();
        QVERIFY(!commands(w)->dialog());
    }
};

QTEST_MAIN(TestOwnSizeWindow)
#include "tst_ownsizewindow.moc"
