#include "catalogue/datapanelnote.h"

#include <QAbstractItemModel>
#include <QAbstractItemView>
#include <QEvent>

namespace {

// Light enough to stand back from the figures of a grid, dark enough to read on its green.
const QColor NoteText(64, 64, 64);
constexpr int NoteMargin = 6; // pixels

} // namespace

DataPanelNote::DataPanelNote(QAbstractItemView *grid)
    : QLabel(grid->parentWidget())
    , m_grid(grid)
{
    setObjectName(QStringLiteral("DataPanelNote"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setWordWrap(true);
    setAlignment(Qt::AlignCenter);
    setMargin(NoteMargin);
    setTextFormat(Qt::PlainText);
    QFont noteFont(QStringLiteral("Arial"));
    noteFont.setPointSizeF(9);
    noteFont.setBold(false); // the frame's caption font is bold, and a child takes what it leaves unset
    setFont(noteFont);
    QPalette notePalette = palette();
    notePalette.setColor(QPalette::WindowText, NoteText);
    setPalette(notePalette);
    // The viewport moves below the header when the grid gets columns, and both follow the data
    // panel's size.
    m_grid->installEventFilter(this);
    m_grid->viewport()->installEventFilter(this);
    place();
    refresh();
}

void DataPanelNote::showGroup()
{
    m_stage = PanelNotes::Stage::Group;
    m_standard.clear();
    parentWidget()->setToolTip(QString());
    refresh();
}

void DataPanelNote::showKind(const QString &standard, const QString &partial)
{
    m_stage = PanelNotes::Stage::Kind;
    m_standard = standard;
    // As a paragraph, so that a long text wraps instead of running off the screen.
    parentWidget()->setToolTip(partial.isEmpty() ? QString()
                                                 : QStringLiteral("<p>%1</p>").arg(partial.toHtmlEscaped()));
    refresh();
}

// The one test is whether the grid's model has rows, taken afresh after every change of its
// rows, so rows that come from anywhere (the base, the user's own sizes) end the note.
void DataPanelNote::refresh()
{
    followModel();
    place();
    const int rows = m_model ? m_model->rowCount() : 0;
    const QString note = PanelNotes::noteFor(m_stage, m_standard, rows);
    setText(note);
    setVisible(!note.isEmpty());
    if (!note.isEmpty())
        raise();
}

void DataPanelNote::followModel()
{
    QAbstractItemModel *model = m_grid->model();
    if (model == m_model)
        return;
    for (const QMetaObject::Connection &connection : std::as_const(m_modelConnections))
        disconnect(connection);
    m_modelConnections.clear();
    m_model = model;
    if (!model)
        return;
    const auto changed = [this] { refresh(); };
    m_modelConnections = {
        connect(model, &QAbstractItemModel::modelReset, this, changed),
        connect(model, &QAbstractItemModel::rowsInserted, this, changed),
        connect(model, &QAbstractItemModel::rowsRemoved, this, changed),
        connect(model, &QAbstractItemModel::layoutChanged, this, changed),
    };
}

void DataPanelNote::place()
{
    QWidget *viewport = m_grid->viewport();
    setGeometry(QRect(viewport->mapTo(parentWidget(), QPoint(0, 0)), viewport->size()));
}

bool DataPanelNote::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Resize || event->type() == QEvent::Move)
        place();
    return QLabel::eventFilter(watched, event);
}
