#include "shell/form1.h"

#include "calc/formatmass.h"
#include "calc/meshrows.h"
#include "calc/readnumber.h"
#include "calc/resultnote.h"
#include "catalogue/datapanelnote.h"
#include "catalogue/datasource.h"
#include "catalogue/kindtoolbar.h"
#include "catalogue/picturebox.h"
#include "catalogue/picturefit.h"
#include "catalogue/sizegrid.h"
#include "platform/programexit.h"
#include "platform/usermessages.h"
#include "shell/programdir.h"
#include "shell/programlist.h"
#include "shell/sitelink.h"
#include "ui/iconpicture.h"
#include "ui/twips.h"

#include <QAction>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QFont>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTableView>

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

// "MS Sans Serif" would fall back to a much wider face here; Liberation Sans keeps the
// design's metrics, as Liberation Serif and Sans do for Times New Roman and Arial.
void substituteFonts()
{
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"));
}

} // namespace

Form1::Form1(const Environment &environment, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                          | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
    , m_env(environment)
    , m_data(new DataSource(environment.databaseDriver, this))
{
    substituteFonts();
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Morvex Steel Mass Calculator 2.0"));
    setWindowIcon(IconPicture::load(QStringLiteral("app")));
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(8.25);
    setFont(font);
    setFixedSize(Twips::toPixels(6870), Twips::toPixels(5535));
    m_data->setObjectName(QStringLiteral("Data2"));
    buildWindow();
    setUpToolbars();
    grid()->setModel(m_data->records());
    grid()->setInputs({control<QWidget>("Text2"), control<QWidget>("Text3"), control<QWidget>("Text5"),
                       control<QWidget>("Text4")});
    m_panelNote = new DataPanelNote(grid());
    connectHandlers();
    setUpContextMenus();
    attachFeatures();
    // The site link: the host name's label answers a click.
    control<QLabel>("Label7")->installEventFilter(new ClickFilter([this] { Label7_Click(); }, this));
}

Form1::~Form1()
{
    Form_Unload();
}

template<typename T> T *Form1::control(const char *name) const
{
    return qobject_cast<T *>(m_controls.value(QString::fromLatin1(name)));
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

void Form1::setUpToolbars()
{
    for (int number = 1; number <= 5; ++number) {
        const QStringList tips = Catalogue::toolTips(number);
        QList<KindToolbar::Button> buttons;
        for (int i = 0; i < tips.size(); ++i) {
            const QString icon = number == 2 ? QStringLiteral("t2_%1").arg(i + 1, 2, 10, QLatin1Char('0'))
                                             : QStringLiteral("t%1_%2").arg(number).arg(i + 1);
            buttons.append({IconPicture::load(icon), tips.at(i)});
        }
        // The image lists hold 16 x 16 pictures for T2 and T3, 16 x 15 for the others.
        const QSize iconSize(16, number == 2 || number == 3 ? 16 : 15);
        toolbar(number)->setButtons(buttons, iconSize);
    }
    const std::pair<const char *, const char *> pictures[] = {
        {"Command1", "copy"}, {"Command2", "copy"}, {"Command4", "grow"}, {"Command5", "shrink"}};
    for (const auto &[name, icon] : pictures) {
        control<QPushButton>(name)->setIcon(IconPicture::load(QString::fromLatin1(icon)));
        control<QPushButton>(name)->setIconSize(QSize(16, 16));
    }
}

void Form1::connectHandlers()
{
    connect(toolbar(1), &KindToolbar::buttonClick, this, &Form1::T1_ButtonClick);
    for (int number = 2; number <= 5; ++number)
        connect(toolbar(number), &KindToolbar::buttonClick, this,
                [this, number](int index) { KindButtonClick(number, index); });

    // Text2_Change .. Text5_Change: every change, typed or set, recomputes.
    for (const char *name : {"Text2", "Text3", "Text4", "Text5"})
        connect(control<QLineEdit>(name), &QLineEdit::textChanged, this, [this] { Recalculate(); });

    // Option1_Click .. Option7_Click: the unit and precision options.
    const auto option = [this](const char *name, auto handler) {
        connect(control<QRadioButton>(name), &QRadioButton::clicked, this, handler);
    };
    option("Option1", [this] { m_state.PrecisionFormat = QStringLiteral("0.0"); Recalculate(); });
    option("Option2", [this] { m_state.PrecisionFormat = QStringLiteral("0.0#"); Recalculate(); });
    option("Option3", [this] { m_state.PrecisionFormat = QStringLiteral("0.0##"); Recalculate(); });
    option("Option4", [this] { m_state.MassDivisor = 1; Recalculate(); });
    option("Option5", [this] { m_state.MassDivisor = 1000; Recalculate(); });
    option("Option6", [this] { m_state.LengthDivisor = 1; Recalculate(); });
    option("Option7", [this] { m_state.LengthDivisor = 1000; Recalculate(); });
    // O6_Click, O7_Click, o8_Click .. o10_Click: the product options.
    option("O6", [this] { applyCellShape(3); });
    option("O7", [this] { applyCellShape(4); });
    option("o8", [this] { applyWireFactor(WireFactor::Mm3); });
    option("o9", [this] { applyWireFactor(WireFactor::Mm4); });
    option("o10", [this] { applyWireFactor(WireFactor::Mm5); });

    connect(control<QPushButton>("Command1"), &QPushButton::clicked, this, &Form1::Command1_Click);
    connect(control<QPushButton>("Command2"), &QPushButton::clicked, this, &Form1::Command2_Click);
    connect(control<QPushButton>("Command3"), &QPushButton::clicked, this, &Form1::Command3_Click);
    connect(control<QPushButton>("Command4"), &QPushButton::clicked, this, &Form1::Command4_Click);
    connect(control<QPushButton>("Command5"), &QPushButton::clicked, this, &Form1::Command5_Click);
    connect(control<PictureBox>("Image2"), &PictureBox::clicked, this, &Form1::Image2_Click);
    connect(grid()->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex &, const QModelIndex &previous) {
                if (!m_refreshing)
                    DBGrid2_RowColChange(previous.row(), previous.column());
            });
}

void Form1::setUpContextMenus()
{
    QTableView *table = grid();
    table->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(table, &QWidget::customContextMenuRequested, this, [this, table](const QPoint &at) {
        if (table->actions().isEmpty())
            return;
        QMenu menu(table);
        menu.addActions(table->actions());
        menu.exec(table->viewport()->mapToGlobal(at));
    });
    // The results keep their own editing menu (copy, select all); the result commands follow it.
    for (const char *name : {"Text6", "Text7"}) {
        QLineEdit *result = control<QLineEdit>(name);
        result->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(result, &QWidget::customContextMenuRequested, this, [this, result](const QPoint &at) {
            QMenu *menu = result->createStandardContextMenu();
            if (!m_resultCommands.isEmpty()) {
                menu->addSeparator();
                menu->addActions(m_resultCommands);
            }
            menu->exec(result->mapToGlobal(at));
            delete menu;
        });
    }
}

void Form1::addWindowCommand(QAction *action)
{
    addAction(action);
}

void Form1::addGridCommand(QAction *action)
{
    grid()->addAction(action);
}

void Form1::addResultCommand(QAction *action)
{
    m_resultCommands.append(action);
}

bool Form1::Form_Load()
{
    // 1. The program directory, ending in exactly one separator.
    m_state.ProgramDir = programDirFrom(m_env.executableDir);

    // 2. Registration in the installed-programs list.
    registerInProgramList();

    // 3. Grid display setting: the whole current row is highlighted (set in buildWindow).

    // 4. Calculation defaults; no recomputation yet.
    m_state.MassDivisor = 1;
    m_state.UnitMassDivisor = 1;
    m_state.LengthDivisor = 1000;
    m_state.PrecisionFormat = QStringLiteral("0.0");

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

void Form1::registerInProgramList()
{
    // The registry location, unscrambled into the hidden controls; the root-key name is the
    // combo box's single list item.
    auto *rootKey = control<QComboBox>("cboHKey");
    if (rootKey->count() == 0)
        rootKey->addItem(QString::fromLatin1(ProgramList::StoredRootKey));
    rootKey->setCurrentIndex(0);
    rootKey->setEditText(ShiftText(rootKey->currentText(), ProgramList::RootKeyShift));
    control<QLineEdit>("txtKey")->setText(
        ShiftText(QString::fromLatin1(ProgramList::StoredKeyPath), ProgramList::KeyPathShift));
    control<QLineEdit>("txtSubkey")->setText(
        ShiftText(QString::fromLatin1(ProgramList::StoredValueName), ProgramList::ValueNameShift));

    LookUpListDir();

    // The list file: no failure here is shown or stops the start-up. A new user has no list
    // directory in the home yet.
    const QString listDir =
        ProgramList::listDirFrom(control<QLabel>("lblValue")->text(), m_env.rootDir);
    ProgramList::makeListDir(listDir, m_env.homeDir);
    m_state.ListRecords =
        ProgramList::listRows(ProgramList::registerProgram(listDir, m_state.ProgramDir).recordsRead);
}

void Form1::LookUpListDir()
{
    const std::optional<std::uint32_t> rootKey =
        ProgramList::rootKeyHandle(control<QComboBox>("cboHKey")->currentText());
    if (!rootKey || !m_env.registry)
        return;
    control<QLabel>("lblValue")->setText(ReadRegistryString(
        *m_env.registry, *m_env.messages, *rootKey, control<QLineEdit>("txtKey")->text(),
        control<QLineEdit>("txtSubkey")->text()));
}

void Form1::endAfterDatabaseFailure()
{
    m_env.messages->critical(DatabaseMessage, ErrorTitle);
    m_env.exit->endNow(1);
}

void Form1::Command3_Click()
{
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

// ---- The size grid -------------------------------------------------------------------------

std::optional<QString> Form1::ReadCell(int column) const
{
    const int row = CurrentRowPosition();
    if (row < 0 || column < 0 || column >= m_data->records()->columnCount())
        return std::nullopt;
    return m_data->records()->cell(row, column);
}

int Form1::CurrentRowPosition() const
{
    const QModelIndex current = grid()->currentIndex();
    return current.isValid() ? current.row() : -1;
}

void Form1::RefreshSizes(int row)
{
    const int column = std::max(grid()->currentIndex().column(), 0);
    m_refreshing = true;
    const bool refreshed = m_data->Refresh();
    m_refreshing = false;
    if (!refreshed) {
        endAfterDatabaseFailure();
        return;
    }
    const RecordSetModel *records = m_data->records();
    if (row >= 0 && row < records->rowCount())
        grid()->setCurrentIndex(records->index(row, std::min(column, records->columnCount() - 1)));
    else
        Recalculate();
}

// ---- Mass computation ----------------------------------------------------------------------

CalcOutcome::Kind Form1::Recalculate()
{
    // A hidden grid means no kind is chosen: nothing is read or written.
    if (grid()->isHidden())
        return CalcOutcome::Kind::NoChange;
    // Reading cells never moves the grid's current cell, so there is no column to restore.
    const CalcInputs inputs{ReadInputNumber(control<QLineEdit>("Text2")->text()),
                            ReadInputNumber(control<QLineEdit>("Text3")->text()),
                            ReadInputNumber(control<QLineEdit>("Text5")->text()),
                            ReadInputNumber(control<QLineEdit>("Text4")->text())};
    const CalcOutcome outcome =
        ComputeMasses(m_state, inputs, [this](int column) { return ReadCell(column); });
    showOutcome(outcome);
    return outcome.kind;
}

// Both results, or, where the outcome has no figures to show (no mass in the row, an
// arithmetic error), both cleared with a note of why: a figure left from sound inputs would
// pass for the result of these. Without a rule or a row the results stay as they are.
void Form1::showOutcome(const CalcOutcome &outcome)
{
    QLineEdit *const fields[] = {control<QLineEdit>("Text6"), control<QLineEdit>("Text7")};
    if (outcome.kind == CalcOutcome::Kind::Results) {
        fields[0]->setText(FormatMass(outcome.onePiece, m_state.PrecisionFormat));
        fields[1]->setText(FormatMass(outcome.total, m_state.PrecisionFormat));
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

void Form1::applyCellShape(int16_t massColumn)
{
    m_state.MassColumn = massColumn;
    m_state.CalcMode = 2;
    m_state.UnitMassDivisor = 1;
    Recalculate();
}

// The welded mesh's unit mass from the current row's spacings and the wire factor. False on
// an arithmetic error (a spacing of 0): the computation stops there and the results say why.
bool Form1::applyWireFactor(double k)
{
    const std::optional<QString> a = ReadCell(3);
    const std::optional<QString> b = ReadCell(4);
    if (a && b) {
        const double spacingA = ReadNumber(*a);
        const double spacingB = ReadNumber(*b);
        const std::optional<float> unitMass = WeldedMeshUnitMass(spacingA, spacingB, k);
        if (!unitMass) {
            showOutcome({WeldedMeshFailure(spacingA, spacingB)});
            return false;
        }
        m_state.UnitMass = *unitMass;
    }
    Recalculate();
    return true;
}

// Selects a product option and runs its click handling, as the user's click would.
void Form1::selectProductOption(const char *name)
{
    QRadioButton *option = control<QRadioButton>(name);
    option->setChecked(true);
    Q_EMIT option->clicked(true);
}

// ---- Result commands -----------------------------------------------------------------------

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
    m_kind.reset();
    hideProductOptions();
    grid()->hide();
    control<QGroupBox>("Frame2")->setTitle(QString());
    m_panelNote->showGroup();
    for (int number = 2; number <= 5; ++number)
        toolbar(number)->releaseAll();
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

// The wire-diameter and cell-shape options of the mesh kinds.
void Form1::hideProductOptions()
{
    for (const char *name : {"o8", "o9", "o10", "O7", "O6"})
        control<QWidget>(name)->hide();
}

void Form1::setInputsEnabled(const Catalogue::InputStates &states)
{
    control<QWidget>("Text2")->setEnabled(states.width);
    control<QWidget>("Text3")->setEnabled(states.length);
    control<QWidget>("Text5")->setEnabled(states.pieces);
    control<QWidget>("Text4")->setEnabled(states.area);
    control<QWidget>("Label6")->setEnabled(states.width);
    control<QWidget>("Label3")->setEnabled(states.length);
    control<QWidget>("Label2")->setEnabled(states.pieces);
    control<QWidget>("Label5")->setEnabled(states.area);
}

// T2_ButtonClick .. T5_ButtonClick. A base that cannot be read (the file, a table or a column
// missing) ends the program after the database message; an arithmetic error of the
// recomputation is no database failure and shows in the results as it does everywhere else.
void Form1::KindButtonClick(int toolbarNumber, int index)
{
    setInputsEnabled(Catalogue::groupInputs(toolbarNumber));
    if (toolbarNumber == 3)
        hideProductOptions();
    grid()->show();

    Catalogue::PipeAnswer answer = Catalogue::PipeAnswer::Any;
    if (toolbarNumber == Catalogue::PipeToolbar && index == Catalogue::PipeButton) {
        const UserMessages::Answer reply = m_env.messages->show(
            {QStringLiteral("Открыть трубы из нержавейки ?"), QStringLiteral("Открытие файла"),
             UserMessages::Icon::Question, UserMessages::Buttons::YesNo});
        answer = reply == UserMessages::Answer::No ? Catalogue::PipeAnswer::No
                                                   : Catalogue::PipeAnswer::Yes;
        m_state.PictureFile = QStringLiteral("morvex.jpg");
        ShowPicture();
    }

    m_kind = Catalogue::find(toolbarNumber, index, answer);
    if (const std::optional<Catalogue::Kind> &kind = m_kind) {
        if (kind->inputs == Catalogue::Inputs::Mesh) {
            control<QWidget>("Label3")->setEnabled(false);
            control<QWidget>("Text3")->setEnabled(false);
            control<QWidget>("Label5")->setEnabled(true);
            control<QWidget>("Text4")->setEnabled(true);
            control<QWidget>("Label2")->setEnabled(false);
            control<QWidget>("Text5")->setEnabled(false);
        }
        if (kind->unitMass)
            m_state.UnitMass = *kind->unitMass;
        m_state.CalcMode = kind->calcMode;
        m_state.MassColumn = kind->massColumn;
        m_state.UnitMassDivisor = kind->unitMassDivisor;
        if (kind->cellShapeOptions) {
            control<QWidget>("O7")->show();
            control<QWidget>("O6")->show();
        }
        m_state.PictureFile = QString::fromUtf8(kind->pictureFile);
        ShowPicture();
        control<QGroupBox>("Frame2")->setTitle(QString::fromUtf8(kind->title));
        m_data->setRecordSource(QString::fromUtf8(kind->recordSource));
        grid()->horizontalHeader()->setDefaultSectionSize(Twips::toPixels(kind->columnWidth));
        m_refreshing = true;
        const bool refreshed = m_data->Refresh();
        if (refreshed && m_data->records()->rowCount() > 0)
            grid()->setCurrentIndex(m_data->records()->index(0, 0));
        m_refreshing = false;
        if (!refreshed) {
            endAfterDatabaseFailure();
            return;
        }
        m_panelNote->showKind(QString::fromUtf8(kind->standard), m_data->PartialNote());
    }
    Recalculate();
}

// ---- Picture panel -------------------------------------------------------------------------

void Form1::ShowPicture()
{
    PictureBox *image = control<PictureBox>("Image2");
    image->hide();
    image->setStretch(false);
    const QPixmap picture(m_state.ProgramDir + m_state.PictureFile);
    const std::optional<PictureFit> fit =
        picture.isNull() ? std::nullopt
                         : FitPicture(PixelsToTwips(picture.width()), PixelsToTwips(picture.height()));
    if (!fit) {
        // The panel stays empty and cannot be clicked; the caller goes on.
        m_env.messages->critical(QStringLiteral("Не могу открыть рисунок !"), ErrorTitle);
        return;
    }
    image->setPixmap(picture);
    image->setBorderStyle(1);
    image->setGeometry(Twips::rect(fit->left, fit->top, fit->width, fit->height));
    image->setStretch(true);
    image->show();
}

void Form1::Image2_Click()
{
    if (m_state.PictureFile.isEmpty())
        return;
    if (!m_form22)
        m_form22 = new Form22;
    m_form22->showPicture(control<PictureBox>("Image2")->pixmap());
}

// ---- Size selection ------------------------------------------------------------------------

void Form1::DBGrid2_RowColChange(int /*lastRow*/, int /*lastCol*/)
{
    const auto pressed = [this](int number, int button) {
        return !toolbar(number)->isHidden() && toolbar(number)->isPressed(button);
    };
    const auto showRowPicture = [this](int lastRowOfFirst, const char *first, const char *second) {
        m_state.PictureFile = QString::fromLatin1(CurrentRowPosition() <= lastRowOfFirst ? first : second);
        ShowPicture();
    };
    const auto number = [this](int column) { return ReadNumber(ReadCell(column).value_or(QString())); };

    // Without a current row there is no size to adapt to: only the recomputation runs.
    if (CurrentRowPosition() >= 0) {
        if (pressed(2, 2))
            showRowPicture(16, "dvut1.jpg", "dvut2.jpg");
        if (pressed(2, 5))
            showRowPicture(3, "rels1.jpg", "rels2.jpg");
        if (pressed(2, 7))
            showRowPicture(17, "sh1.jpg", "sh2.jpg");

        if (pressed(3, 4)) {
            if (CurrentRowPosition() <= MeshRows::LastShapedWovenMesh) {
                control<QWidget>("O6")->show();
                control<QWidget>("O7")->show();
                m_state.PictureFile = QStringLiteral("s1.jpg");
                ShowPicture();
            } else {
                control<QWidget>("O6")->hide();
                control<QWidget>("O7")->hide();
                m_state.PictureFile = QStringLiteral("s2.jpg");
                m_state.MassColumn = 6;
                m_state.CalcMode = 2;
                m_state.UnitMassDivisor = 1;
                ShowPicture();
            }
        }
        if (pressed(3, 4) && CurrentRowPosition() <= MeshRows::LastShapedWovenMesh) {
            const double rhombic = number(3);
            const double square = number(4);
            QRadioButton *o6 = control<QRadioButton>("O6");
            QRadioButton *o7 = control<QRadioButton>("O7");
            if (!o6->isChecked() && !o7->isChecked() && rhombic > 0 && square > 0)
                selectProductOption("O6");
            if (rhombic > 0 && square == 0) {
                selectProductOption("O6");
                o7->hide();
            }
            if (square > 0 && rhombic == 0) {
                selectProductOption("O7");
                o6->hide();
            }
            // Both shapes made and one already selected: the mass column follows the selected
            // option, so that what the user sees is what is computed.
            if (rhombic > 0 && square > 0) {
                m_state.MassColumn = o7->isChecked() ? 4 : 3;
                m_state.CalcMode = 2;
                m_state.UnitMassDivisor = 1;
            }
        }
        if (pressed(3, 5)) {
            const int row = CurrentRowPosition();
            if (row <= MeshRows::LastRollWeldedMesh) {
                m_state.PictureFile = QStringLiteral("ss1.jpg");
                for (const char *name : {"o8", "o9", "o10"})
                    control<QWidget>(name)->hide();
                // The first three meshes have their masses of 1 m² fixed.
                m_state.UnitMass = MeshRows::RollMeshMasses[row];
                ShowPicture();
            } else {
                for (const char *name : {"o8", "o9", "o10"})
                    control<QWidget>(name)->show();
                m_state.PictureFile = QStringLiteral("ss2.jpg");
                ShowPicture();
                const std::pair<const char *, double> wires[] = {
                    {"o8", WireFactor::Mm3}, {"o9", WireFactor::Mm4}, {"o10", WireFactor::Mm5}};
                for (const auto &[name, k] : wires) {
                    if (!control<QRadioButton>(name)->isChecked())
                        continue;
                    const std::optional<float> unitMass = WeldedMeshUnitMass(number(3), number(4), k);
                    // A spacing of 0: the computation stops, the results say why.
                    if (!unitMass) {
                        showOutcome({WeldedMeshFailure(number(3), number(4))});
                        return;
                    }
                    m_state.UnitMass = *unitMass;
                    break;
                }
            }
        }
        if (pressed(5, 1))
            showRowPicture(7, "r1.jpg", "r2.jpg");
    }
    Recalculate();
}
