#include "bom/bomwindow.h"

#include "bom/bomexporter.h"
#include "bom/bomexportplugin.h"
#include "bom/bomprint.h"
#include "bom/bomsheet.h"
#include "bom/bomstore.h"
#include "bom/bomtable.h"
#include "bom/bomspec.h"
#include "bom/bomtablemodel.h"
#include "bom/marksbar.h"
#include "bom/sheettextlimit.h"
#include "bom/speccsv.h"
#include "bom/specpanel.h"
#include "bom/specsheet.h"
#include "steelspec/specprint.h"
#include "platform/safefile.h"
#include "platform/usermessages.h"
#include "ui/twips.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableView>
#include <QToolBar>

#include <algorithm>

namespace {

const QString Title = QStringLiteral("Спецификация");
const QString ErrorTitle = QStringLiteral("Ошибка");
// What an export says when its file cannot be written, and when it has been.
const QString WriteFailed = QStringLiteral("Не могу записать файл %1");
const QString Written = QStringLiteral("Записано в %1");
// The largest workbook read back from its temporary file: a list of ten thousand items makes
// about a megabyte.
constexpr qint64 MaxWorkbookSize = 256 * 1024 * 1024;

// The window's first size, in twips: about as wide as an A4 page's table reads well, with the
// grade's and the group's columns after it.
constexpr int WindowWidth = 14400;
constexpr int WindowHeight = 6600;
// The columns' first widths, in twips.
constexpr int ColumnWidths[BomTableModel::ShownColumns] = {450, 3600, 1500, 1650, 1200, 750, 1650, 1350, 1300, 1100};

} // namespace

BomWindow::BomWindow(BillOfMaterials &list, UserMessages &messages, RowSource rows, const QString &programDir,
                     QWidget *parent)
    : QMainWindow(parent, Qt::Window)
    , m_list(list)
    , m_messages(messages)
    , m_rows(std::move(rows))
    , m_programDir(programDir)
    , m_model(new BomTableModel(list, this))
    , m_table(new QTableView(this))
    , m_views(new QTabWidget(this))
    , m_spec(new SpecPanel(list, this))
    , m_marks(new MarksBar(list, [this] { return selectedItems(); }, this))
    , m_status(new QLabel(this))
{
    setObjectName(QStringLiteral("BomWindow"));
    setWindowTitle(Title);
    resize(Twips::toPixels(WindowWidth), Twips::toPixels(WindowHeight));

    m_table->setObjectName(QStringLiteral("BomTable"));
    m_table->setModel(m_model);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_table->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                             | QAbstractItemView::AnyKeyPressed);
    m_table->setWordWrap(false);
    m_table->verticalHeader()->hide();
    m_table->verticalHeader()->setDefaultSectionSize(m_table->fontMetrics().height() + 6);
    m_table->horizontalHeader()->setStretchLastSection(false);
    for (int c = 0; c < BomTableModel::ShownColumns; ++c)
        m_table->setColumnWidth(c, Twips::toPixels(ColumnWidths[c]));
    m_table->horizontalHeader()->setSectionResizeMode(BomTable::Name, QHeaderView::Stretch);
    m_views->setObjectName(QStringLiteral("BomViews"));
    m_views->addTab(m_table, QStringLiteral("Список"));
    m_views->addTab(m_spec, QStringLiteral("Спецификация металла"));
    setCentralWidget(m_views);
    connect(m_model, &QAbstractItemModel::modelReset, this, &BomWindow::spanLines);
    connect(m_model, &BomTableModel::refused, this, &BomWindow::showStatus);
    connect(m_model, &BomTableModel::aboutToEdit, m_status, &QLabel::clear);
    connect(m_model, &BomTableModel::edited, this, &BomWindow::showDone);
    spanLines();
    addCommands();
    addToolBarBreak();
    addToolBar(m_marks);
    addSpecCommands();
    connect(m_marks, &MarksBar::told, this, &BomWindow::showStatus);

    m_status->setObjectName(QStringLiteral("BomStatus"));
    statusBar()->addWidget(m_status, 1);
}

void BomWindow::addCommands()
{
    auto *tools = addToolBar(QStringLiteral("Команды"));
    tools->setObjectName(QStringLiteral("BomTools"));
    tools->setMovable(false);
    tools->addAction(addCommand("BomOpen", QStringLiteral("Открыть…"), QKeySequence::Open, [this] { openFile(); }));
    tools->addAction(addCommand("BomSaveAs", QStringLiteral("Сохранить как…"), QKeySequence::SaveAs, [this] { saveAs(); }));
    tools->addAction(addCommand("BomExportXlsx", QStringLiteral("В Excel…"), {}, [this] { exportXlsx(); }));
    tools->addAction(addCommand("BomExportPdf", QStringLiteral("В PDF…"), {}, [this] { exportPdf(); }));
    tools->addAction(addCommand("BomPrint", QStringLiteral("Печать…"), QKeySequence::Print, [this] { print(); }));
    tools->addSeparator();
    tools->addAction(addCommand("BomUndo", QStringLiteral("Отменить"), QKeySequence::Undo, [this] { step(true); }));
    tools->addAction(addCommand("BomRedo", QStringLiteral("Повторить"), QKeySequence::Redo, [this] { step(false); }));
    tools->addAction(addCommand("BomCopy", QStringLiteral("Копировать"), QKeySequence::Copy, [this] { copySelected(); }));
    tools->addAction(addCommand("BomDelete", QStringLiteral("Удалить"), QKeySequence::Delete, [this] { removeSelected(); }));
    tools->addAction(addCommand("BomUp", QStringLiteral("Выше"), QKeySequence(Qt::CTRL | Qt::Key_Up), [this] { moveCurrent(-1); }));
    tools->addAction(addCommand("BomDown", QStringLiteral("Ниже"), QKeySequence(Qt::CTRL | Qt::Key_Down), [this] { moveCurrent(1); }));
}

void BomWindow::addSpecCommands()
{
    // On the marks' line: the list's own commands fill the first.
    auto *tools = addToolBar(QStringLiteral("Спецификация металла"));
    tools->setObjectName(QStringLiteral("SpecTools"));
    tools->setMovable(false);
    tools->addWidget(new QLabel(QStringLiteral(" ТСМ: "), tools));
    tools->addAction(addCommand("SpecExportXlsx", QStringLiteral("в Excel…"), {}, [this] { exportSpecXlsx(); }));
    tools->addAction(addCommand("SpecExportPdf", QStringLiteral("в PDF…"), {}, [this] { exportSpecPdf(); }));
    tools->addAction(addCommand("SpecExportCsv", QStringLiteral("в CSV…"), {}, [this] { exportSpecCsv(); }));
}

void BomWindow::step(bool back)
{
    QUndoStack *stack = m_list.undoStack();
    if (back ? !stack->canUndo() : !stack->canRedo())
        return showStatus(back ? QStringLiteral("Отменять нечего.") : QStringLiteral("Повторять нечего."));
    const QString what = back ? stack->undoText() : stack->redoText();
    // What the list's keeping says during the step (a failure, a merge) stays in view after it.
    m_status->clear();
    back ? stack->undo() : stack->redo();
    const QString note = status();
    const QString done = (back ? QStringLiteral("Отменено: ") : QStringLiteral("Повторено: ")) + what;
    showStatus(note.isEmpty() ? done : done + QStringLiteral(". ") + note);
}

BomWindow::~BomWindow() = default;

void BomWindow::setFileChooser(BomFileChooser *chooser)
{
    m_chooser = chooser ? chooser : &m_dialogs;
}

void BomWindow::setPrinterChooser(BomPrinterChooser *chooser)
{
    m_printerChooser = chooser;
}

QAction *BomWindow::addCommand(const char *name, const QString &text, const QKeySequence &key,
                               std::function<void()> run)
{
    auto *action = new QAction(text, this);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(key);
    action->setShortcutContext(Qt::WindowShortcut);
    connect(action, &QAction::triggered, this, [run = std::move(run)] { run(); });
    addAction(action);
    return action;
}

void BomWindow::spanLines()
{
    m_table->clearSpans();
    for (int r = 0; r < m_model->rowCount(); ++r) {
        const BomTable::RowKind kind = m_model->rowKind(r);
        if (kind == BomTable::RowKind::GroupHeading)
            m_table->setSpan(r, 0, 1, BomTableModel::ShownColumns);
        else if (kind != BomTable::RowKind::Item)
            m_table->setSpan(r, 0, 1, BomTable::Mass);
    }
}

void BomWindow::showStatus(const QString &text)
{
    m_status->setText(text);
}

QString BomWindow::status() const
{
    return m_status->text();
}

void BomWindow::selectItem(int position)
{
    const int row = m_model->rowOf(position);
    if (row < 0)
        return;
    // Through the selection model: the view's own selecting reads the keys held, and the Ctrl of
    // Ctrl+Enter that added the item would toggle the line out of the selection again.
    m_table->selectionModel()->setCurrentIndex(m_model->index(row, BomTable::Quantity),
                                               QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

QList<int> BomWindow::selectedItems() const
{
    QList<int> positions;
    for (const QModelIndex &index : m_table->selectionModel()->selectedIndexes()) {
        const int position = m_model->itemAt(index.row());
        if (position >= 0 && !positions.contains(position))
            positions.append(position);
    }
    std::sort(positions.begin(), positions.end());
    return positions;
}

QString BomWindow::selectedText() const
{
    QStringList lines;
    for (int position : selectedItems())
        lines.append(BomTable::itemFields(m_list, position).join(QLatin1Char('\t')));
    return lines.isEmpty() ? QString() : lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

void BomWindow::copySelected()
{
    const QString text = selectedText();
    if (text.isEmpty()) {
        showStatus(QStringLiteral("Выделите строки изделий, чтобы их скопировать."));
        return;
    }
    QGuiApplication::clipboard()->setText(text);
    showStatus(QStringLiteral("Скопировано строк: %1").arg(selectedItems().size()));
}

void BomWindow::removeSelected()
{
    m_status->clear();
    if (!m_list.remove(selectedItems()))
        return showStatus(QStringLiteral("Выделите строки изделий, чтобы их удалить."));
    showDone();
}

void BomWindow::showDone()
{
    // The change's own words, and after them what keeping the list had to say of it.
    QString what = m_list.undoStack()->undoText();
    if (!what.isEmpty())
        what[0] = what.at(0).toUpper();
    const QString note = status();
    showStatus(note.isEmpty() ? what : what + QStringLiteral(". ") + note);
}

void BomWindow::moveCurrent(int step)
{
    const int position = m_model->itemAt(m_table->currentIndex().row());
    if (position >= 0 && m_list.move(position, step))
        selectItem(position + step);
    else
        showStatus(QStringLiteral("Изделие передвигается только внутри своего стандарта."));
}

void BomWindow::reportError(const QString &what, const QString &why)
{
    m_messages.critical(QStringLiteral("%1: %2").arg(what, why), ErrorTitle);
}

BomExporter *BomWindow::exporter(const QString &what)
{
    BomExporter *found = BomExportPlugin::exporter(m_programDir);
    if (!found)
        reportError(what, QStringLiteral("модуль экспорта и печати %1 не найден или повреждён. Установите программу заново.")
                              .arg(QDir::toNativeSeparators(BomExportPlugin::path(m_programDir))));
    return found;
}

void BomWindow::openFile()
{
    const QString path = m_chooser->openFile(this);
    if (path.isEmpty())
        return;
    const BomStore::Loaded loaded = BomStore::load(path, m_rows());
    if (!loaded.readable || !loaded.result.skipped.isEmpty())
        m_messages.critical(BomStore::damagedMessage(path, loaded), ErrorTitle);
    if (loaded.result.items.isEmpty() && !loaded.result.skipped.isEmpty())
        return;
    if (!loaded.readable)
        return;
    m_list.replaceAll(loaded.result.items, QStringLiteral("открытие %1").arg(QDir::toNativeSeparators(path)));
    showStatus(QStringLiteral("Открыт файл %1").arg(QDir::toNativeSeparators(path)));
}

void BomWindow::saveAs()
{
    writeChosenFile({QStringLiteral("Сохранить спецификацию"), QStringLiteral("Спецификация (*.csv)"),
                     QStringLiteral("csv"), QStringLiteral("Не могу сохранить файл %1"),
                     QStringLiteral("Сохранено в %1")},
                    [this](const QString &path, QString *error) { return BomStore::save(m_list, path, error); });
}

void BomWindow::exportXlsx()
{
    BomSheet::Sheet sheet = BomSheet::layout(m_list);
    const int cut = SheetTextLimit::cutLongTexts(sheet);
    // Said with the success, so the cut is never a silent loss.
    const QString written = cut == 0 ? Written
                                     : Written + QStringLiteral(". Текст длиннее %1 знаков не вмещается в ячейку "
                                                                "Excel и обрезан в ячейках: %2")
                                                     .arg(QLocale().toString(SheetTextLimit::MaxCharacters))
                                                     .arg(cut);
    writeWorkbook({sheet}, QStringLiteral("Спецификация в Excel"), written);
}

void BomWindow::writeWorkbook(const QList<BomSheet::Sheet> &sheets, const QString &caption, const QString &written)
{
    // The plugin first: the user is not asked for a file that cannot be written.
    BomExporter *workbooks = exporter(QStringLiteral("Не могу записать спецификацию в Excel"));
    if (!workbooks)
        return;
    writeChosenFile({caption, QStringLiteral("Книга Excel (*.xlsx)"), QStringLiteral("xlsx"), WriteFailed, written},
                    [workbooks, &sheets](const QString &path, QString *error) {
                        // The library writes only to a file name: into a file beside the
                        // target, which takes the target's place only when it is whole.
                        *error = SafeFile::writeProduced(path, MaxWorkbookSize, [&](const QString &temporary) {
                            QString why;
                            if (workbooks->writeWorkbook(sheets, temporary, &why))
                                return QString();
                            return why.isEmpty() ? QStringLiteral("книга не записана") : why;
                        });
                        return error->isEmpty();
                    });
}

void BomWindow::exportPdf()
{
    writeChosenFile({QStringLiteral("Спецификация в PDF"), QStringLiteral("Документ PDF (*.pdf)"),
                     QStringLiteral("pdf"), WriteFailed, Written},
                    [this](const QString &path, QString *error) { return BomPrint::writePdf(m_list, path, error); });
}

void BomWindow::exportSpecXlsx()
{
    const QList<SpecTable> tables = BomSpec::tables(m_list.items(), m_list.settings().spec);
    // A sheet's name is at most 31 characters in a workbook.
    const QStringList names{QStringLiteral("ТСМ"), QStringLiteral("Метизы"), QStringLiteral("Расход стали")};
    QList<BomSheet::Sheet> sheets;
    for (int t = 0; t < tables.size(); ++t) {
        const QString &title = tables.at(t).title;
        const QString name = title == FastenerStatement::Title     ? names.at(1)
                             : title == SteelUseStatement::Title ? names.at(2)
                                                                 : names.at(0);
        sheets.append(SpecSheet::layout(tables.at(t), name));
    }
    writeWorkbook(sheets, QStringLiteral("Спецификация металла в Excel"), Written);
}

void BomWindow::exportSpecPdf()
{
    const QList<SpecTable> tables = BomSpec::tables(m_list.items(), m_list.settings().spec);
    writeChosenFile({QStringLiteral("Спецификация металла в PDF"), QStringLiteral("Документ PDF (*.pdf)"),
                     QStringLiteral("pdf"), WriteFailed, Written},
                    [&tables](const QString &path, QString *error) { return SpecPrint::writePdf(tables, path, error); });
}

void BomWindow::exportSpecCsv()
{
    // The file's numbers have its own decimal commas, whatever the region.
    const QList<SpecTable> tables = BomSpec::tables(m_list.items(), m_list.settings().spec, SpecCsv::fileLocale());
    writeChosenFile({QStringLiteral("Спецификация металла в CSV"), QStringLiteral("Текст CSV (*.csv)"),
                     QStringLiteral("csv"), WriteFailed, Written},
                    [&tables](const QString &path, QString *error) {
                        *error = SafeFile::write(path, SpecCsv::write(tables));
                        return error->isEmpty();
                    });
}

void BomWindow::writeChosenFile(const ChosenFile &file, const std::function<bool(const QString &, QString *)> &write)
{
    const QString path = m_chooser->saveFile(this, file.caption, file.filter, file.suffix);
    if (path.isEmpty())
        return;
    QString error;
    if (!write(path, &error))
        return reportError(file.failed.arg(QDir::toNativeSeparators(path)), error);
    showStatus(file.done.arg(QDir::toNativeSeparators(path)));
}

void BomWindow::print()
{
    const QString failed = QStringLiteral("Не могу напечатать спецификацию");
    BomExporter *printing = exporter(failed);
    if (!printing)
        return;
    const BomExporter::PrintJob job{Title, [](QPagedPaintDevice &printer) { BomPrint::setUpPage(printer); },
                                    [this](QPagedPaintDevice &printer) { return BomPrint::render(m_list, printer); }};
    const BomExporter::PrintOutcome outcome = printing->print(this, job, m_printerChooser);
    switch (outcome.status) {
    case BomExporter::PrintOutcome::Status::Cancelled:
        return;
    case BomExporter::PrintOutcome::Status::Failed:
        return reportError(failed, outcome.printerName);
    case BomExporter::PrintOutcome::Status::Printed:
        showStatus(QStringLiteral("Напечатано листов: %1").arg(outcome.pages));
        return;
    }
}
