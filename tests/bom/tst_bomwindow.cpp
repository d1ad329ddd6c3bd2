// The materials list on the real main window over the built base: added by its keys, menus and
// button; nothing without a kind and a size or without a result; edited, undone, copied, opened
// and saved in its window; kept between runs, a damaged kept list read in part and left as it
// is until the list changes; and every row of every kind found again from the kept file.

#include "../calc/calculatorwindow.h"
#include "catalogue/sizeselection.h"
#include "contextmenu.h"
#include "bom/bomdesignation.h"
#include "bom/bomfeature.h"
#include "bom/bomstore.h"
#include "bom/bomtable.h"
#include "bom/bomtablemodel.h"
#include "bom/bomwindow.h"
#include "ownsizes/ownsizecommands.h"
#include "platform/writefault.h"
#include "recordingchooser.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDirIterator>
#include <QFile>
#include <QMenu>
#include <QScreen>
#include <QGuiApplication>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {

BomFeature *feature(const CalculatorWindow &w)
{
    return w.window->findChild<BomFeature *>(QStringLiteral("BomFeature"));
}

QAction *action(const CalculatorWindow &w, const char *name)
{
    return w.window->findChild<QAction *>(QString::fromLatin1(name));
}

// The row whose leading cells are these.
void selectSize(CalculatorWindow &w, const QStringList &leading)
{
    const RecordSetModel *records = w.window->dataSource()->records();
    for (int row = 0; row < records->rowCount(); ++row) {
        bool match = true;
        for (int c = 0; c < leading.size(); ++c)
            match = match && records->cell(row, c) == leading.at(c);
        if (match)
            return w.selectRow(row);
    }
    qFatal("no size %s", qPrintable(leading.join(QLatin1Char(','))));
}

// An equal angle 50×5, 6000 mm, 10 pieces: 22.62 kg each, 226.2 kg.
void angle(CalculatorWindow &w)
{
    w.choose(2, 10);
    selectSize(w, {"50", "5"});
    w.type("Text3", QStringLiteral("6000"));
    w.type("Text5", QStringLiteral("10"));
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString rectText(const QRect &r)
{
    return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

QStringList fileLines(const QString &path)
{
    QStringList lines = QString::fromUtf8(readFile(path)).split(QStringLiteral("\r\n"));
    lines.removeAll(QString());
    return lines;
}

void copyTree(const QString &from, const QString &to)
{
    QDirIterator it(from, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        const QString target = to + file.mid(from.size());
        QDir().mkpath(QFileInfo(target).absolutePath());
        QFile::remove(target);
        QFile::copy(file, target);
    }
}

} // namespace

class TestBomWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia)); }

    // Ctrl with either Enter key adds the current result, shows the list beside the
    // calculator and keeps the list's file.
    void addedByTheKeys_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::newRow("Ctrl+Return") << int(Qt::Key_Return) << int(Qt::ControlModifier);
        QTest::newRow("Ctrl+Enter of the keypad") << int(Qt::Key_Enter) << int(Qt::ControlModifier | Qt::KeypadModifier);
    }
    void addedByTheKeys()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        CalculatorWindow w(true);
        angle(w);
        w.window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w.window.get()));
        QTest::keyClick(w.get<QLineEdit>("Text5"), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        BillOfMaterials &list = feature(w)->list();
        QCOMPARE(list.count(), 1);
        QCOMPARE(list.items().at(0).total, 226.2);
        QVERIFY(feature(w)->listWindow()->isVisible());
        QCOMPARE(feature(w)->listWindow()->status(), QStringLiteral("Добавлено: Уголок равнобокий L50×5, 226,200 кг"));
        // The line added is the one selected, for the marks to be given to it next; the Ctrl held
        // for the adding does not toggle it out again.
        QVERIFY2(feature(w)->listWindow()->selectedText().startsWith(QStringLiteral("1\tУголок равнобокий\t")),
                 qPrintable(feature(w)->listWindow()->selectedText()));
        QCOMPARE(fileLines(feature(w)->keptListPath()).value(1),
                 QStringLiteral("1;Уголок равнобокий;ГОСТ 8509-93;L50×5;6000;10;22,620;226,200;;;"));
        QVERIFY(w.env->messages.shown.isEmpty());
    }

    // The command is in the grid's and both results' context menus, and the small button in
    // the free end of the group toolbar's room adds too; the window keeps its size and the
    // toolbar its buttons.
    void menusAndButton()
    {
        CalculatorWindow w(true);
        angle(w);
        for (const char *owner : {"DBGrid2", "Text6", "Text7"}) {
            const QStringList texts = contextMenuEntries(w.get(owner));
            QVERIFY2(texts.contains(QStringLiteral("Добавить в спецификацию")), owner);
            QVERIFY2(texts.contains(QStringLiteral("Спецификация…")), owner);
        }
        auto *button = w.get<QPushButton>("cmdBomAdd");
        QWidget *frame = w.get("Frame4");
        QCOMPARE(button->parentWidget(), frame);
        QCOMPARE(button->toolTip(), QStringLiteral("Добавить в спецификацию"));
        QVERIFY(frame->rect().contains(button->geometry()));
        KindToolbar *groups = w.get<KindToolbar>("T1");
        for (int b = 1; b <= groups->count(); ++b)
            QVERIFY(!button->geometry().intersects(groups->button(b)->geometry().translated(groups->pos())));
        QCOMPARE(w.window->size(), QSize(458, 369));
        QCOMPARE(groups->geometry(), QRect(8, 16, 121, 21));
        button->click();
        QCOMPARE(feature(w)->list().count(), 1);
        // The same angle again: its 10 pieces join the line's.
        action(w, "BomAdd")->trigger();
        QCOMPARE(feature(w)->list().count(), 1);
        QCOMPARE(feature(w)->list().items().at(0).inputs.pieces, 20.0);
        QCOMPARE(feature(w)->list().totalKg(), 452.4);
        QCOMPARE(feature(w)->listWindow()->status(),
                 QStringLiteral("Добавлено к строке 1: Уголок равнобокий L50×5, теперь 20 шт., 452,400 кг"));
    }

    // No kind, a group press, or a kind without a size: nothing is added, and that is said;
    // in a message while the list is not shown, at the list's foot while it is.
    void nothingWithoutKindAndSize()
    {
        CalculatorWindow w(true);
        action(w, "BomAdd")->trigger();
        QCOMPARE(w.env->messages.texts(), QStringList{"Выберите изделие и размер: в спецификацию нечего добавить."});
        QCOMPARE(w.env->messages.shown.at(0).title, QStringLiteral("Спецификация"));
        angle(w);
        w.press(1, 1); // a group press: no kind
        action(w, "BomAdd")->trigger();
        QCOMPARE(w.env->messages.shown.size(), 2);
        w.choose(4, 4); // a kind whose table has no rows: no size
        feature(w)->showList();
        action(w, "BomAdd")->trigger();
        QCOMPARE(w.env->messages.shown.size(), 2);
        QCOMPARE(feature(w)->listWindow()->status(), QStringLiteral("Выберите изделие и размер: в спецификацию нечего добавить."));
        QCOMPARE(feature(w)->list().count(), 0);
        QVERIFY(!QFile::exists(feature(w)->keptListPath()));
    }

    // A length too large for a number gives no result: nothing is added.
    void nothingWithoutAResult()
    {
        CalculatorWindow w(true);
        angle(w);
        w.type("Text3", QStringLiteral("1e400"));
        action(w, "BomAdd")->trigger();
        QCOMPARE(w.env->messages.texts(), QStringList{"Нет результата расчета: в спецификацию ничего не добавлено."});
        QCOMPARE(feature(w)->list().count(), 0);
    }

    // A welded mesh of flat sheets takes its wire diameter from the options; once the woven
    // mesh's cell shape has cleared them (one group of options), the calculator's unit mass is
    // another row's: nothing is added until a diameter is chosen.
    void weldedMeshNeedsItsWire()
    {
        CalculatorWindow w(true);
        w.choose(3, 4);
        w.click("O7");
        w.choose(3, 5);
        selectSize(w, {"4С Вр-I 100/100"});
        w.type("Text4", QStringLiteral("10"));
        action(w, "BomAdd")->trigger();
        QCOMPARE(w.env->messages.shown.size(), 1);
        QVERIFY(w.env->messages.shown.at(0).text.startsWith(QStringLiteral("Выберите диаметр проволоки")));
        QCOMPARE(feature(w)->list().count(), 0);
        w.click("o9");
        action(w, "BomAdd")->trigger();
        QCOMPARE(feature(w)->list().count(), 1);
        // (950 / 100 + 950 / 100 + 2) × 0.092 = 1.932 kg/m², × 10 m²
        QCOMPARE(BomDesignation::designation(feature(w)->list().items().at(0)), QStringLiteral("4С Вр-I 100/100 (Ø4 мм)"));
        QCOMPARE(BomTable::mass(feature(w)->list().items().at(0).total), QStringLiteral("19,320"));
    }

    // In the list window: the quantity and length edited in the table are recomputed, the
    // last change undone, the file following every step; the copy is tab-separated.
    void editUndoCopy()
    {
        CalculatorWindow w(true);
        angle(w);
        action(w, "BomAdd")->trigger();
        w.choose(4, 8);
        selectSize(w, {"12", "60"});
        w.type("Text5", QStringLiteral("100"));
        action(w, "BomAdd")->trigger();
        BomWindow *window = feature(w)->listWindow();
        BomTableModel *model = window->model();
        const QString path = feature(w)->keptListPath();
        // Lines: heading, angle, subtotal, heading, bolt, subtotal, totals.
        QCOMPARE(model->rowCount(), 8);
        QCOMPARE(window->table()->columnSpan(0, 0), 10); // the printed columns, the grade and the group
        QCOMPARE(window->table()->columnSpan(2, 0), 7);
        QVERIFY(!(model->flags(model->index(4, BomTable::Length)) & Qt::ItemIsEditable));
        QVERIFY(model->setData(model->index(1, BomTable::Quantity), QStringLiteral("3")));
        QCOMPARE(model->index(1, BomTable::Mass).data().toString(), QStringLiteral("67,860"));
        QVERIFY(model->setData(model->index(1, BomTable::Length), QStringLiteral("3 000,5")));
        // 3.77 kg/m × 3.0005 m = 11.311885 kg; × 3 = 33.935655 kg
        QCOMPARE(model->index(1, BomTable::Mass).data().toString(), QStringLiteral("33,936"));
        QCOMPARE(model->index(2, BomTable::Number).data().toString(), QStringLiteral("Итого по ГОСТ 8509-93"));
        QCOMPARE(fileLines(path).value(1), QStringLiteral("1;Уголок равнобокий;ГОСТ 8509-93;L50×5;3000,5;3;11,312;33,936;;;"));
        // A refused value goes back in the cell; the foot of the window says why.
        QVERIFY(!model->setData(model->index(1, BomTable::Quantity), QStringLiteral("три")));
        QCOMPARE(window->status(), QStringLiteral("«три» не принято: нужно число не меньше нуля."));
        QVERIFY(!model->setData(model->index(1, BomTable::Quantity), QStringLiteral("1e308")));
        QCOMPARE(window->status(), QStringLiteral("«1e308» не принято: с таким значением масса не вычисляется."));
        QVERIFY(!model->setData(model->index(4, BomTable::Length), QStringLiteral("5")));
        window->findChild<QAction *>(QStringLiteral("BomUndo"))->trigger();
        QCOMPARE(model->index(1, BomTable::Mass).data().toString(), QStringLiteral("67,860"));
        QCOMPARE(fileLines(path).value(1), QStringLiteral("1;Уголок равнобокий;ГОСТ 8509-93;L50×5;6000;3;22,620;67,860;;;"));
        QCOMPARE(model->index(6, BomTable::Mass).data().toString(), QStringLiteral("74,660")); // 67,860 + 100 × 0,068
        QCOMPARE(model->index(7, BomTable::Mass).data().toString(), QStringLiteral("0,075"));

        window->table()->selectRow(1);
        window->table()->selectionModel()->select(model->index(4, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
        window->findChild<QAction *>(QStringLiteral("BomCopy"))->trigger();
        QCOMPARE(QGuiApplication::clipboard()->text(),
                 QStringLiteral("1\tУголок равнобокий\tГОСТ 8509-93\tL50×5\t6000\t3\t22,620\t67,860\n"
                                "2\tБолты с шестигранной головкой класса точности В\tГОСТ 7798-70\tМ12-6gx60.58\t\t100\t0,068\t6,800\n"));
        window->findChild<QAction *>(QStringLiteral("BomDelete"))->trigger();
        QCOMPARE(feature(w)->list().count(), 0);
        QCOMPARE(fileLines(path).size(), 1);
        window->findChild<QAction *>(QStringLiteral("BomUndo"))->trigger();
        QCOMPARE(feature(w)->list().count(), 2);
    }

    // The list survives a restart with every item recomputable; a named file is saved and
    // opened in the list's place, which can be undone.
    void keptAndNamedFiles()
    {
        QTemporaryDir files;
        RecordingChooser chooser;
        chooser.toSave = files.filePath(QStringLiteral("named.csv"));
        QString keptDir;
        QByteArray kept;
        {
            CalculatorWindow w(true);
            angle(w);
            action(w, "BomAdd")->trigger();
            w.choose(3, 2);
            selectSize(w, {"12"});
            w.type("Text3", QStringLiteral("11,7"));
            w.click("Option6"); // metres
            w.type("Text5", QStringLiteral("4"));
            action(w, "BomAdd")->trigger();
            BomWindow *window = feature(w)->listWindow();
            window->setFileChooser(&chooser);
            window->saveAs();
            kept = readFile(feature(w)->keptListPath());
            QCOMPARE(readFile(chooser.toSave), kept);
            keptDir = files.filePath(QStringLiteral("kept"));
            QVERIFY(QFile::copy(feature(w)->keptListPath(), chooser.toSave + QStringLiteral(".kept")));
        }
        CalculatorWindow again(true);
        QVERIFY(QDir().mkpath(again.env->environment.userDataDir));
        QVERIFY(QFile::copy(chooser.toSave + QStringLiteral(".kept"), feature(again)->keptListPath()));
        BillOfMaterials &list = feature(again)->list();
        QCOMPARE(list.count(), 2);
        QCOMPARE(list.items().at(1).total, 41.5584); // 0.888 kg/m × 11.7 m × 4
        QVERIFY(list.setQuantity(1, 1));
        QCOMPARE(list.items().at(1).total, 10.3896);
        QVERIFY(again.env->messages.shown.isEmpty());

        // Open the named file in place of the list; undo gives the list back.
        QFile named(chooser.toSave);
        QVERIFY(named.open(QIODevice::WriteOnly));
        named.write(BomCsv::write(list).left(BomCsv::write(list).indexOf("\r\n", 3) + 2));
        named.write("1;Болты с шестигранной головкой класса точности В;ГОСТ 7798-70;М20×80;;10;0,27;2,7\r\n");
        named.close();
        BomWindow *window = feature(again)->listWindow();
        window->setFileChooser(&chooser);
        chooser.toOpen = chooser.toSave;
        window->openFile();
        QCOMPARE(list.count(), 1);
        QCOMPARE(BomDesignation::designation(list.items().at(0)), QStringLiteral("М20-6gx80.58"));
        QCOMPARE(fileLines(feature(again)->keptListPath()).size(), 2);
        list.undoStack()->undo();
        QCOMPARE(list.count(), 2);
    }

    // A damaged kept list: what can be read is shown, with one message naming the lines left
    // out; the file stays as it is until the list changes, then holds the list.
    void damagedKeptList()
    {
        CalculatorWindow w(true);
        const QString path = feature(w)->keptListPath();
        QVERIFY(QDir().mkpath(w.env->environment.userDataDir));
        const QByteArray damaged = "\xEF\xBB\xBF№;Наименование;Стандарт;Размер;Длина, мм;Кол-во;Масса 1 шт., кг;Масса, кг\r\n"
                                   "1;Уголок равнобокий;ГОСТ 8509-93;50×5;6000;10;22,620;226,200\r\n"
                                   "2;Уголок равнобокий;ГОСТ 8509-93;999×5;6000;10;22,620;226,200\r\n"
                                   "garbage\r\n";
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(damaged);
        file.close();
        feature(w)->showList();
        QCOMPARE(feature(w)->list().count(), 1);
        QCOMPARE(w.env->messages.shown.size(), 1);
        QVERIFY2(w.env->messages.shown.at(0).text.contains(QStringLiteral("пропущены строки 3, 4")),
                 qPrintable(w.env->messages.shown.at(0).text));
        feature(w)->listWindow()->close();
        feature(w)->showList();
        QCOMPARE(w.env->messages.shown.size(), 1);
        QCOMPARE(readFile(path), damaged);
        angle(w);
        w.type("Text3", QStringLiteral("3000"));
        w.type("Text5", QStringLiteral("2"));
        action(w, "BomAdd")->trigger();
        QCOMPARE(fileLines(path).mid(1), (QStringList{"1;Уголок равнобокий;ГОСТ 8509-93;L50×5;6000;10;22,620;226,200;;;",
                                                      "2;Уголок равнобокий;ГОСТ 8509-93;L50×5;3000;2;11,310;22,620;;;"}));
        // The lines left out are not lost: the file as it was lies beside it, as the message said.
        QVERIFY(w.env->messages.shown.at(0).text.contains(QDir::toNativeSeparators(path + QStringLiteral(".bak"))));
        QCOMPARE(readFile(path + QStringLiteral(".bak")), damaged);
    }

    // Another running copy wrote the kept file since this one did: the next change here is
    // made on what it wrote, both kept, the user told at the foot of the list window, and the
    // undo of changes made before the merge is gone with them.
    void aListChangedByAnotherCopyIsMerged()
    {
        CalculatorWindow w(true);
        const QString path = feature(w)->keptListPath();
        angle(w);
        action(w, "BomAdd")->trigger();
        const QString bolt = QStringLiteral("1;Болты с шестигранной головкой класса точности В;ГОСТ 7798-70;М12×60;;100;0,068;6,755");
        QFile other(path);
        QVERIFY(other.open(QIODevice::Append));
        other.write(bolt.toUtf8() + "\r\n");
        other.close();
        w.type("Text3", QStringLiteral("3000"));
        w.type("Text5", QStringLiteral("2"));
        action(w, "BomAdd")->trigger();
        QCOMPARE(feature(w)->list().count(), 3);
        QStringList lines = fileLines(path).mid(1);
        for (QString &line : lines)
            line = line.section(QLatin1Char(';'), 3, 5);
        QCOMPARE(lines, (QStringList{"L50×5;6000;10", "L50×5;3000;2", "М12-6gx60.58;;100"}));
        QVERIFY2(feature(w)->listWindow()->status().contains(QStringLiteral("изменила другая копия программы")),
                 qPrintable(feature(w)->listWindow()->status()));
        QVERIFY(!feature(w)->list().undoStack()->canUndo());
        QVERIFY(w.env->messages.shown.isEmpty());
    }

    // Ctrl+Enter on a full disk: the kept file stays as it was, the user is told in one box
    // that the change was not kept, and each later change that fails says so at the foot of
    // the list window; once the disk has room the list is written whole again.
    void aFullDiskKeepsTheKeptFile()
    {
        CalculatorWindow w(true);
        const QString path = feature(w)->keptListPath();
        angle(w);
        action(w, "BomAdd")->trigger();
        const QByteArray before = readFile(path);
        QCOMPARE(fileLines(path).size(), 2);
        {
            const WriteFault full(0);
            w.type("Text5", QStringLiteral("2"));
            action(w, "BomAdd")->trigger();
            QCOMPARE(readFile(path), before);
            QCOMPARE(w.env->messages.shown.size(), 1);
            QCOMPARE(w.env->messages.shown.at(0).icon, UserMessages::Icon::Critical);
            QVERIFY2(w.env->messages.shown.at(0).text.contains(QStringLiteral("на диске нет места. Изменение не сохранено")),
                     qPrintable(w.env->messages.shown.at(0).text));
            w.type("Text5", QStringLiteral("3"));
            action(w, "BomAdd")->trigger();
            QCOMPARE(w.env->messages.shown.size(), 1);
            QVERIFY2(feature(w)->listWindow()->status().contains(QStringLiteral("Изменение не сохранено")),
                     qPrintable(feature(w)->listWindow()->status()));
            QCOMPARE(readFile(path), before);
        }
        w.type("Text5", QStringLiteral("4"));
        action(w, "BomAdd")->trigger();
        // The same angle each time: one line of 10 + 2 + 3 + 4 pieces, 19 × 22,620 kg.
        QCOMPARE(fileLines(path).size(), 2);
        QCOMPARE(fileLines(path).value(1), QStringLiteral("1;Уголок равнобокий;ГОСТ 8509-93;L50×5;6000;19;22,620;429,780;;;"));
        QCOMPARE(feature(w)->listWindow()->status(),
                 QStringLiteral("Добавлено к строке 1: Уголок равнобокий L50×5, теперь 19 шт., 429,780 кг"));
    }

    // An item of a size the user added to a table comes back after a restart, found among the
    // own sizes that follow the base's rows.
    void ownSizeComesBack()
    {
        QTemporaryDir keep;
        {
            CalculatorWindow w(true);
            w.choose(2, 10);
            auto *own = w.window->findChild<OwnSizeCommands *>(QStringLiteral("OwnSizeCommands"));
            QVERIFY(own);
            QVERIFY(own->store().add(QStringLiteral("уголок"), {"55", "5", "4.25", "", "", "", ""}));
            w.window->RefreshSizes(0);
            selectSize(w, {"55", "5"});
            w.type("Text3", QStringLiteral("2000"));
            w.type("Text5", QStringLiteral("3"));
            action(w, "BomAdd")->trigger();
            QCOMPARE(feature(w)->list().items().value(0).total, 25.5); // 4.25 kg/m × 2 m × 3
            copyTree(w.env->environment.userDataDir, keep.path());
        }
        CalculatorWindow again(true);
        copyTree(keep.path(), again.env->environment.userDataDir);
        BillOfMaterials &list = feature(again)->list();
        QCOMPARE(again.env->messages.texts(), QStringList());
        QCOMPARE(list.count(), 1);
        QCOMPARE(BomDesignation::designation(list.items().at(0)), QStringLiteral("L55×5"));
        QCOMPARE(list.items().at(0).total, 25.5);
    }

    // Each sheet pile is added with its own row's mass of 1 m, also after another pile was
    // chosen, and comes back from the kept file with it.
    void sheetPilesCarryTheirRowsMass_data()
    {
        QTest::addColumn<QString>("pile");
        QTest::addColumn<QString>("before");
        QTest::addColumn<float>("unitMass");
        QTest::addColumn<QString>("line");
        QTest::newRow("Л4, 74.0 kg/m") << "Л4" << "Л5-УМ" << 74.0f
                                       << "1;Шпунт Ларсена;ТУ 14-2-879-89;Л4;12000;2;888,000;1776,000;;;";
        QTest::newRow("Л7, 143.3 kg/m") << "Л7" << "Л5-УМ" << 143.3f
                                        << "1;Шпунт Ларсена;ТУ 14-2-879-89;Л7;12000;2;1719,600;3439,200;;;";
        QTest::newRow("Л5-УМ, 113.88 kg/m") << "Л5-УМ" << "Л4" << 113.88f
                                            << "1;Шпунт Ларсена;;Л5-УМ;12000;2;1366,560;2733,120;;;";
    }
    void sheetPilesCarryTheirRowsMass()
    {
        QFETCH(QString, pile);
        QFETCH(QString, before);
        QFETCH(float, unitMass);
        QFETCH(QString, line);
        CalculatorWindow w(true);
        w.choose(2, 1);
        selectSize(w, {before});
        w.type("Text3", QStringLiteral("12000"));
        w.type("Text5", QStringLiteral("2"));
        selectSize(w, {pile});
        action(w, "BomAdd")->trigger();
        QCOMPARE(feature(w)->list().count(), 1);
        const BomItem added = feature(w)->list().items().at(0);
        QCOMPARE(added.state.UnitMass, unitMass);
        QCOMPARE(fileLines(feature(w)->keptListPath()).value(1), line);

        BaseKindRows base(QStringLiteral(MORVEX_PROGRAM_DIR "base.mdb"));
        const BomRestore::Result back = BomRestore::restore(BomCsv::parse(readFile(feature(w)->keptListPath())), base);
        QCOMPARE(back.items.size(), 1);
        QCOMPARE(back.items.at(0).state.UnitMass, unitMass);
        QVERIFY(back.items.at(0).total == added.total);
    }

    // Closing the calculator closes the list window.
    void closesWithTheMainWindow()
    {
        CalculatorWindow w(true);
        feature(w)->showList();
        QVERIFY(feature(w)->listWindow()->isVisible());
        w.window->close();
        QVERIFY(!feature(w)->listWindow()->isVisible());
    }

    // Every row of every kind of the built base, with each product option, added from the
    // window and found again from the kept file as the same item with the same masses: the
    // kept file restores what the calculator computed.
    void everyRowComesBack()
    {
        CalculatorWindow w(true);
        BillOfMaterials added;
        const auto addCurrent = [&] {
            QString why;
            const std::optional<BomItem> item = feature(w)->currentItem(&why);
            QVERIFY2(item, qPrintable(why));
            added.add(*item);
        };
        for (const Catalogue::Kind &k : Catalogue::kinds()) {
            if (k.toolbar == Catalogue::PipeToolbar && k.button == Catalogue::PipeButton)
                w.env->messages.answers.append(k.answer == Catalogue::PipeAnswer::No ? UserMessages::Answer::No
                                                                                    : UserMessages::Answer::Yes);
            // The kinds without a button are chosen as the kinds' catalogue chooses them.
            if (Catalogue::hasButton(k))
                w.choose(k.toolbar, k.button);
            else
                QVERIFY(w.window->session().chooseKind(k.id));
            QCOMPARE(w.window->currentKind()->title, k.title);
            w.type("Text2", QStringLiteral("1250"));
            w.type("Text3", QStringLiteral("3500"));
            w.type("Text5", QStringLiteral("7"));
            w.type("Text4", QStringLiteral("2,5"));
            const int rows = w.window->dataSource()->records()->rowCount();
            for (int r = 0; r < rows; ++r) {
                w.selectRow(r);
                if (SizeSelection::optionsFor(k, r).contains(ProductOption::None)) {
                    addCurrent();
                    continue;
                }
                for (const char *option : {"O6", "O7", "o8", "o9", "o10"}) {
                    if (!w.get(option)->isVisible())
                        continue;
                    w.click(option);
                    addCurrent();
                }
            }
        }
        QVERIFY(added.count() > 3000);
        BaseKindRows base(QStringLiteral(MORVEX_PROGRAM_DIR "base.mdb"));
        const BomRestore::Result back = BomRestore::restore(BomCsv::parse(BomCsv::write(added)), base);
        QCOMPARE(back.skipped, QList<int>());
        QCOMPARE(back.items.size(), added.count());
        for (int i = 0; i < added.count(); ++i) {
            const BomItem &a = added.items().at(i);
            const BomItem &b = back.items.at(i);
            const QString what = a.name + QLatin1Char(' ') + BomDesignation::designation(a);
            QVERIFY2(BomDesignation::designation(b) == BomDesignation::designation(a), qPrintable(what));
            QVERIFY2(b.onePiece == a.onePiece && b.total == a.total, qPrintable(what));
            QVERIFY2(b.state.UnitMass == a.state.UnitMass, qPrintable(what));
        }
    }

    // The list window opens where the user left it in the last run, and always wholly on a
    // screen: the first place beside the calculator, and a place kept on a larger screen, are
    // moved in (the headless screen is 800 pixels wide, the window 840).
    void listWindowKeepsItsPlaceOnTheScreen()
    {
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        const QRect left(40, 30, 500, 300);
        QByteArray places;
        {
            CalculatorWindow w(true);
            BomWindow *list = feature(w)->listWindow();
            list->show();
            QVERIFY2(screen.contains(list->frameGeometry()), qPrintable(rectText(list->frameGeometry())));
            list->setGeometry(left);
            list->hide();
            places = readFile(feature(w)->windowPlacesPath());
            QVERIFY(!places.isEmpty());
        }
        const auto reopened = [](const QByteArray &kept, const std::function<void(BomWindow *)> &check) {
            CalculatorWindow again(true);
            QVERIFY(QDir().mkpath(again.env->environment.userDataDir));
            QFile file(feature(again)->windowPlacesPath());
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(kept);
            file.close();
            BomWindow *list = feature(again)->listWindow();
            list->show();
            check(list);
        };
        reopened(places, [&left](BomWindow *list) { QCOMPARE(list->geometry(), left); });
        reopened("[BomWindow]\nx=879\ny=100\nwidth=840\nheight=400\n", [&screen](BomWindow *list) {
            QVERIFY2(screen.contains(list->frameGeometry()), qPrintable(rectText(list->frameGeometry())));
            QCOMPARE(list->frameGeometry().width(), screen.width()); // 840 and its borders, made smaller
            QCOMPARE(list->height(), 400);
        });
        // A damaged file is no place: the window goes beside the calculator, on the screen.
        reopened("[BomWindow]\nx=abc\n\xff\xfe\n", [&screen](BomWindow *list) {
            QVERIFY2(screen.contains(list->frameGeometry()), qPrintable(rectText(list->frameGeometry())));
        });
    }
};

QTEST_MAIN(TestBomWindow)
#include "tst_bomwindow.moc"
