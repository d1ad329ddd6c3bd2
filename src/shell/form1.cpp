#include "shell/form1.h"

#include "calc/formatmass.h"
#include "calc/resultnote.h"
#include "catalogue/datapanelnote.h"
#include "catalogue/datasource.h"
#include "catalogue/kindtoolbar.h"
#include "catalogue/picturebox.h"
#include "catalogue/sizegrid.h"
#include "catalogue/surfacecolumnmodel.h"
#include "features/features.h"
#include "platform/programexit.h"
#include "platform/usermessages.h"
#include "shell/programdir.h"
#include "shell/sitelink.h"
#include "shell/startup.h"
#include "ui/twips.h"

#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QRadioButton>
#include <QScreen>

namespace {

const QString DatabaseFileName = QStringLiteral("base.mdb");
const QString ErrorTitle = QStringLiteral("Ошибка");
const QString DatabaseMessage = QStringLiteral("Не могу подключить базу данных !");

// Where a kind toolbar stands when shown, and where the hidden ones are put, in twips.
constexpr int ToolbarShownTop = 240;
constexpr int ToolbarHiddenTop = 2400;
// Grow and shrink steps of the data panel and the least height the grid keeps, in twips.
constexpr int DataPanelStep = 300;
constexpr int GridLeastHeight = 1500;

} // namespace

Form1::Form1(const Environment &environment, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                          | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
    , m_env(environment)
    , m_data(new DataSource(environment.databaseDriver, this))
    , m_session(new CalculatorSession(*m_data, this))
{
    m_data->setObjectName(QStringLiteral("Data2"));
    buildWindow();
    setUpToolbars();
    m_panelNote = new DataPanelNote(grid());
    connectControls();
    connectSession();
    setUpContextMenus();
    Features::attachTo(*this);
    // The site link: the host name's label answers a click.
    control<QLabel>("Label7")->installEventFilter(new ClickFilter([this] { Label7_Click(); }, this));
}

Form1::~Form1()
{
    Form_Unload();
    // The controls and the features go while the window is whole, before the session and the
    // data source they read: a feature may hear from the window (its close, a hide) to the end.
    // A child may take another with it (the materials list its window): each is watched.
    QList<QPointer<QObject>> children;
    for (QObject *child : this->children())
        if (child != m_data && child != m_session)
            children.append(child);
    for (const QPointer<QObject> &child : std::as_const(children))
        delete child.data();
}

SizeGrid *Form1::grid() const
{
    return control<SizeGrid>("DBGrid2");
}

KindToolbar *Form1::toolbar(int number) const
{
    static const char *const names[] = {"T1", "T2", "T3", "T4", "T5"};
    return number >= 1 && number <= 5 ? control<KindToolbar>(names[number - 1]) : nullptr;
}

const MainState &Form1::state() const
{
    static_cast<SessionState &>(m_state) = m_session->state();
    return m_state;
}

bool Form1::Form_Load()
{
    // 1. The program directory, ending in exactly one separator.
    m_state.ProgramDir = programDirFrom(m_env.executableDir);

    // 2. Registration in the installed-programs list, through the hidden controls.
    m_state.ListRecords = Startup::registerProgram(
        {control<QComboBox>("cboHKey"), control<QLineEdit>("txtKey"), control<QLineEdit>("txtSubkey"),
         control<QLabel>("lblValue")},
        m_env, m_state.ProgramDir);

    // 3. Grid display setting: the whole current row is highlighted (set in buildWindow).

    // 4. Calculation defaults; no recomputation yet.
    m_session->applyDefaults();

    // 5. The reference database.
    if (!m_data->setDatabaseName(m_state.ProgramDir + DatabaseFileName)) {
        endAfterDatabaseFailure();
        return false;
    }

    // 6. Open centred on the screen.
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    return true;
}

void Form1::endAfterDatabaseFailure()
{
    m_env.messages->critical(DatabaseMessage, ErrorTitle);
    m_env.exit->endNow(1);
}

void Form1::Command3_Click()
{
    // The About window reads the program directory from the hidden Text14.
    control<QLineEdit>("Text14")->setText(m_state.ProgramDir);
    if (!m_form2)
        m_form2 = new Form2(this);
    m_form2->show();
    m_form2->raise();
    m_form2->activateWindow();
}

void Form1::Label7_Click()
{
    if (m_env.launcher)
        SiteLink::open(*m_env.launcher, m_env.executableDir);
}

void Form1::closeEvent(QCloseEvent *event)
{
    Form_Unload();
    event->accept();
}

void Form1::Form_Unload()
{
    delete m_form22;
    if (m_form2)
        m_form2->close();
    delete m_form2;
}

// ---- The size grid and the results --------------------------------------------------------

std::optional<QString> Form1::ReadCell(int column) const
{
    return m_session->cell(column);
}

int Form1::CurrentRowPosition() const
{
    return m_session->row();
}

void Form1::RefreshSizes(int row)
{
    m_session->refreshSizes(row);
}

CalcOutcome::Kind Form1::Recalculate()
{
    return m_session->recalculate();
}

// Both results, or, where the outcome has no figures to show (no mass in the row, an
// arithmetic error), both cleared with a note of why: a figure left from sound inputs would
// pass for the result of these. Without a rule or a row the results stay as they are.
void Form1::showOutcome()
{
    const CalcOutcome &outcome = m_session->outcome();
    QLineEdit *const fields[] = {control<QLineEdit>("Text6"), control<QLineEdit>("Text7")};
    if (outcome.kind == CalcOutcome::Kind::Results) {
        const QString &format = m_session->state().PrecisionFormat;
        fields[0]->setText(FormatMass(outcome.onePiece, format));
        fields[1]->setText(FormatMass(outcome.total, format));
        for (QLineEdit *field : fields) {
            field->setPlaceholderText(QString());
            field->setToolTip(QString());
        }
    } else if (const std::optional<ResultNote> note = ResultNote::of(outcome.kind)) {
        for (QLineEdit *field : fields) {
            field->clear();
            field->setPlaceholderText(note->text);
            field->setToolTip(note->toolTip);
        }
    }
}

void Form1::copyToClipboard(const char *output)
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(control<QLineEdit>(output)->text());
}

void Form1::Command1_Click()
{
    copyToClipboard("Text6");
}

void Form1::Command2_Click()
{
    copyToClipboard("Text7");
}

void Form1::resizeDataPanel(int twips)
{
    const int step = Twips::toPixels(twips);
    setFixedHeight(height() + step);
    QWidget *frame = control<QGroupBox>("Frame2");
    frame->resize(frame->width(), frame->height() + step);
    grid()->resize(grid()->width(), grid()->height() + step);
}

void Form1::Command4_Click()
{
    resizeDataPanel(DataPanelStep);
}

void Form1::Command5_Click()
{
    if (Twips::fromPixels(grid()->height()) - DataPanelStep > GridLeastHeight)
        resizeDataPanel(-DataPanelStep);
}

// ---- Groups and kinds ----------------------------------------------------------------------

void Form1::T1_ButtonClick(int index)
{
    m_session->chooseGroup();
    for (int number = 2; number <= 5; ++number) {
        toolbar(number)->hide();
        toolbar(number)->move(toolbar(number)->x(), Twips::toPixels(ToolbarHiddenTop));
    }
    if (index >= 1 && index <= 4) {
        KindToolbar *shown = toolbar(index + 1);
        shown->show();
        shown->move(shown->x(), Twips::toPixels(ToolbarShownTop));
    }
}

Catalogue::PipeAnswer Form1::askPipeTable()
{
    const UserMessages::Answer reply = m_env.messages->show(
        {QStringLiteral("Открыть трубы из нержавейки ?"), QStringLiteral("Открытие файла"),
         UserMessages::Icon::Question, UserMessages::Buttons::YesNo});
    return reply == UserMessages::Answer::No ? Catalogue::PipeAnswer::No : Catalogue::PipeAnswer::Yes;
}

// T2_ButtonClick .. T5_ButtonClick: the toolbars are one way to choose a kind. A base that
// cannot be read (the file, a table or a column missing) ends the program after the database
// message; an arithmetic error of the recomputation is no database failure and shows in the
// results as it does everywhere else.
void Form1::KindButtonClick(int toolbarNumber, int index)
{
    Catalogue::PipeAnswer answer = Catalogue::PipeAnswer::Any;
    if (Catalogue::asksPipeQuestion(toolbarNumber, index)) {
        answer = askPipeTable();
        m_session->showDrawing(QStringLiteral("morvex.jpg"));
    }
    if (const std::optional<Catalogue::Kind> kind = Catalogue::find(toolbarNumber, index, answer))
        m_session->chooseKind(kind->id);
    else
        Recalculate();
}

// ---- Picture panel -------------------------------------------------------------------------

void Form1::ShowPicture()
{
    // A drawing that cannot be shown leaves the panel empty, not clickable; the caller goes on.
    PictureBox *image = control<PictureBox>("Image2");
    if (!image->showFitted(QPixmap(m_state.ProgramDir + m_session->state().PictureFile)))
        m_env.messages->critical(QStringLiteral("Не могу открыть рисунок !"), ErrorTitle);
}

void Form1::Image2_Click()
{
    if (m_session->state().PictureFile.isEmpty())
        return;
    if (!m_form22)
        m_form22 = new Form22;
    m_form22->showPicture(control<PictureBox>("Image2")->pixmap());
}

// ---- Size selection ------------------------------------------------------------------------

// The user's move in the grid: the session applies the kind's size rules to the new row.
void Form1::DBGrid2_RowColChange(int /*lastRow*/, int /*lastCol*/)
{
    const QModelIndex current = grid()->currentIndex();
    m_session->moveToRow(current.isValid() ? current.row() : -1);
}

// ---- Showing the session -------------------------------------------------------------------

void Form1::showKind()
{
    const Catalogue::Kind *kind = m_session->kind();
    releaseOtherKindButtons();
    m_gridModel->setKind(kind);
    grid()->setVisible(m_session->sizesShown());
    control<QGroupBox>("Frame2")->setTitle(kind ? QString::fromUtf8(kind->title) : QString());
    if (!kind) {
        m_panelNote->showGroup();
        return;
    }
    grid()->horizontalHeader()->setDefaultSectionSize(Twips::toPixels(kind->columnWidth));
    // A new kind's sizes start in the first column.
    m_column = 0;
}

// A kind chosen otherwise than by its button (or none) leaves no kind button down.
void Form1::releaseOtherKindButtons()
{
    const Catalogue::Kind *kind = m_session->kind();
    for (int number = 2; number <= 5; ++number)
        if (!kind || kind->toolbar != number || !toolbar(number)->isPressed(kind->button))
            toolbar(number)->releaseAll();
}

void Form1::showInputsEnabled()
{
    const Catalogue::InputStates &states = m_session->enabledInputs();
    const std::pair<const char *, bool> enabled[] = {
        {"Text2", states.width}, {"Label6", states.width}, {"Text3", states.length}, {"Label3", states.length},
        {"Text5", states.pieces}, {"Label2", states.pieces}, {"Text4", states.area}, {"Label5", states.area}};
    for (const auto &[name, on] : enabled)
        control<QWidget>(name)->setEnabled(on);
}

void Form1::showOptions()
{
    const std::pair<const char *, ProductOption> options[] = {
        {"O6", ProductOption::Rhombic}, {"O7", ProductOption::Square}, {"o8", ProductOption::Wire3},
        {"o9", ProductOption::Wire4},   {"o10", ProductOption::Wire5}};
    for (const auto &[name, option] : options) {
        QRadioButton *button = control<QRadioButton>(name);
        button->setVisible(m_session->shownOptions().contains(option));
        if (option == m_session->option())
            button->setChecked(true);
    }
}

void Form1::showInput(CalculatorSession::Input which, const QString &text)
{
    static const char *const names[] = {"Text2", "Text3", "Text5", "Text4"};
    QLineEdit *edit = control<QLineEdit>(names[int(which)]);
    if (edit->text() != text)
        edit->setText(text);
}

// The grid follows a row the session moved to, in the user's column.
void Form1::followRow(int row)
{
    const QModelIndex current = grid()->currentIndex();
    if ((current.isValid() ? current.row() : -1) == row || row < 0)
        return;
    const QAbstractItemModel *shown = grid()->model();
    m_followingSession = true;
    grid()->setCurrentIndex(shown->index(row, std::min(m_column, shown->columnCount() - 1)));
    m_followingSession = false;
}
