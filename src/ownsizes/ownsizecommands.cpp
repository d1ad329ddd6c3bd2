#include "ownsizes/ownsizecommands.h"

#include "catalogue/datasource.h"
#include "host/calculatorhost.h"
#include "ownsizes/ownsizedialog.h"
#include "ownsizes/sizeentry.h"
#include "platform/environment.h"
#include "platform/usermessages.h"
#include "session/calculatorsession.h"

#include <QAction>
#include <QWidget>

OwnSizeCommands::OwnSizeCommands(CalculatorHost &host)
    : QObject(&host.parentWindow())
    , m_host(host)
    , m_session(host.session())
    , m_store(host.environment().userDataDir, host.environment().messages)
{
    setObjectName(QStringLiteral("OwnSizeCommands"));
    m_session.dataSource().setExtraRows(
        [this](const QString &table, const QStringList &columns, int baseRows) {
            return m_store.rows(table, columns, baseRows);
        });

    m_add = command(QStringLiteral("AddOwnSize"), QStringLiteral("Добавить размер…"),
                    {QKeySequence(Qt::Key_Insert)}, &OwnSizeCommands::addSize);
    m_change = command(QStringLiteral("ChangeOwnSize"), QStringLiteral("Изменить…"),
                       {QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)},
                       &OwnSizeCommands::changeSize);
    m_remove = command(QStringLiteral("RemoveOwnSize"), QStringLiteral("Удалить"),
                       {QKeySequence(Qt::Key_Delete)}, &OwnSizeCommands::removeSize);

    // The commands follow the table and the row: a new record set, a move to another row, and
    // a kind or a group chosen (which may leave the record set as it was).
    connect(m_session.dataSource().records(), &QAbstractItemModel::modelReset, this,
            &OwnSizeCommands::updateCommands);
    connect(&m_session, &CalculatorSession::rowChanged, this, &OwnSizeCommands::updateCommands);
    connect(&m_session, &CalculatorSession::kindChanged, this, &OwnSizeCommands::updateCommands);
    updateCommands();
}

OwnSizeCommands *OwnSizeCommands::attachTo(CalculatorHost &host)
{
    return new OwnSizeCommands(host);
}

QAction *OwnSizeCommands::command(const QString &name, const QString &text,
                                  const QList<QKeySequence> &keys, void (OwnSizeCommands::*run)())
{
    auto *action = new QAction(text, this);
    action->setObjectName(name);
    action->setShortcuts(keys);
    action->setShortcutContext(Qt::WidgetShortcut);
    connect(action, &QAction::triggered, this, run);
    m_host.addCommand(action, CalculatorHost::Place::SizeGrid);
    return action;
}

std::optional<OwnSizeCommands::Shown> OwnSizeCommands::shown() const
{
    const Catalogue::Kind *kind = m_session.kind();
    if (!kind || !m_session.sizesShown())
        return std::nullopt;
    const QString recordSource = QString::fromUtf8(kind->recordSource);
    const std::optional<RecordSource> source = RecordSource::parse(recordSource);
    // The record set must be the kind's own and its table one with a file of own sizes.
    if (!source || m_session.dataSource().RecordSource() != recordSource
        || !m_store.knows(source->table) || m_store.filePath(source->table).isEmpty())
        return std::nullopt;
    const RecordSetModel *records = m_session.dataSource().records();
    const int row = m_session.row();
    return Shown{source->table, *source, records->isOwnRow(row) ? row - records->baseRowCount() : -1};
}

void OwnSizeCommands::updateCommands()
{
    const std::optional<Shown> now = shown();
    m_add->setEnabled(now.has_value());
    m_change->setEnabled(now && now->ownIndex >= 0);
    m_remove->setEnabled(now && now->ownIndex >= 0);
}

void OwnSizeCommands::addSize()
{
    if (const std::optional<Shown> now = shown())
        openDialog(*now, -1);
}

void OwnSizeCommands::changeSize()
{
    if (const std::optional<Shown> now = shown(); now && now->ownIndex >= 0)
        openDialog(*now, now->ownIndex);
}

void OwnSizeCommands::openDialog(const Shown &shown, int index)
{
    if (m_dialog)
        return;
    const QString table = shown.table;
    const QList<QStringList> own = m_store.ownRows(table);
    const int baseRows = m_store.baseRows(table);
    const int place = index >= 0 ? index : int(own.size());
    const QStringList columns = m_store.columns(table);
    SizeEntry entry(shown.source, columns, m_store.rule(table), baseRows + place,
                    index >= 0 ? own.at(index) : QStringList(),
                    SizeEntry::textColumns(*m_session.dataSource().records(), shown.source, columns));
    m_dialog = new OwnSizeDialog(std::move(entry),
                                 index >= 0 ? QStringLiteral("Изменить размер") : QStringLiteral("Добавить размер"),
                                 QString::fromUtf8(m_session.kind()->title), &m_host.parentWindow());
    // Closed, it is gone for the commands at once, though deleted only later.
    connect(m_dialog, &QDialog::finished, this, [this] { m_dialog.clear(); });
    connect(m_dialog, &OwnSizeDialog::rowReady, this, [this, table, index, baseRows, place, own](const QStringList &row) {
        const bool saved = index >= 0 ? m_store.replace(table, index, row) : m_store.add(table, row);
        // A failed write has been told of; the dialog keeps the typing for another try. A file
        // changed on disk meanwhile has been read again: the grid shows what it holds, and the
        // change is made again from there.
        if (!saved) {
            if (m_store.ownRows(table) != own) {
                m_dialog->reject();
                m_session.refreshSizes(m_session.row());
            }
            return;
        }
        m_dialog->accept();
        m_session.refreshSizes(baseRows + place);
    });
    m_dialog->open();
}

void OwnSizeCommands::removeSize()
{
    const std::optional<Shown> now = shown();
    if (!now || now->ownIndex < 0)
        return;
    const int row = m_session.row();
    QStringList cells = m_session.rowCells();
    cells.removeAll(QString());
    const UserMessages::Answer answer = m_host.environment().messages->show(
        {QStringLiteral("Удалить свой размер «%1» ?").arg(cells.join(QStringLiteral("; "))),
         QStringLiteral("Свои размеры"), UserMessages::Icon::Question, UserMessages::Buttons::YesNo});
    if (answer != UserMessages::Answer::Yes)
        return;
    const QList<QStringList> own = m_store.ownRows(now->table);
    if (!m_store.remove(now->table, now->ownIndex)) {
        if (m_store.ownRows(now->table) != own) // changed on disk meanwhile, read again
            m_session.refreshSizes(row);
        return;
    }
    // The row that took its place, or the one before when it was the last.
    const int count = m_session.dataSource().records()->rowCount() - 1;
    m_session.refreshSizes(std::min(row, count - 1));
}
