// The main window's controls, in the design's twips (Left, Top, Width, Height), relative to
// their container, and their wiring to the calculator session.

#include "shell/form1.h"

#include "catalogue/datapanelnote.h"
#include "catalogue/datasource.h"
#include "catalogue/kindtoolbar.h"
#include "catalogue/picturebox.h"
#include "catalogue/sizegrid.h"
#include "catalogue/surfacecolumnmodel.h"
#include "platform/maker.h"
#include "ui/controltable.h"
#include "ui/iconpicture.h"
#include "ui/twips.h"

#include <QAction>
#include <QFont>
#include <QGroupBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>

namespace {

using K = ControlSpec::Kind;
using Look = ControlSpec::Look;

const QColor InputOrange(255, 192, 128);
const QColor InputBlue(192, 192, 255);
const QColor InputYellow(255, 255, 192);
const QColor OutputPink(255, 192, 192);
const QColor GridGreen(192, 255, 192);

constexpr const char *Arial = "Arial";
constexpr const char *TimesNewRoman = "Times New Roman";
constexpr const char *MsSansSerif = "MS Sans Serif";

const Look FrameLook{.fontFamily = Arial, .pointSize = 8.25, .bold = true};
const Look OptionFrameLook{.fontFamily = Arial, .pointSize = 6.75, .bold = true};
const Look CaptionLook{.fontFamily = Arial, .pointSize = 9};
const Look OptionLook{.fontFamily = MsSansSerif, .pointSize = 8.25};
const Look OutputLook{.fontFamily = Arial, .pointSize = 9, .bold = true, .text = Qt::black,
                      .background = OutputPink};

Look with(Look look, auto change)
{
    change(look);
    return look;
}

Look checked(Look look)
{
    look.checked = true;
    return look;
}

Look input(QColor background)
{
    return Look{.text = Qt::black, .background = background};
}

const ControlSpec Controls[] = {
        // Directly on the window.
        {"Frame5", K::Frame, nullptr, "Подсчет", 120, 0, 4455, 2475, FrameLook},
        {"Frame1", K::Frame, nullptr, "Рисунок", 4620, 0, 2175, 2235, FrameLook},
        {"Label7", K::Label, nullptr, Maker::SiteHost, 4680, 2280, 2010, 180,
         {.fontFamily = Arial, .pointSize = 6.75, .bold = true, .underline = true,
          .text = QColor(0, 192, 192), .toolTip = "Зайти на сайт", .pointingHand = true}},
        {"Frame6", K::Frame, nullptr, "Список изделий", 120, 2460, 4455, 1035, FrameLook},
        {"Frame4", K::Frame, nullptr, "Тип изделия", 4620, 2460, 2175, 675, FrameLook},
        {"Command3", K::Button, nullptr, "О программе", 4620, 3180, 1395, 315,
         {.fontFamily = TimesNewRoman, .pointSize = 8.25, .underline = true,
          .background = QColor(233, 245, 218)}},
        {"Command4", K::Button, nullptr, "", 6060, 3180, 375, 315,
         {.toolTip = "Увеличить поле данных"}},
        {"Command5", K::Button, nullptr, "", 6420, 3180, 375, 315,
         {.toolTip = "Уменьшить поле данных"}},
        {"Frame2", K::Frame, nullptr, "Данные", 120, 3540, 6675, 1935, FrameLook},
        {"cboHKey", K::ComboBox, nullptr, "", 495, 5850, 2895, 330, {.hidden = true}},
        {"txtKey", K::TextBox, nullptr, "", 180, 6795, 6495, 285, {.hidden = true}},
        {"txtSubkey", K::TextBox, nullptr, "", 180, 7335, 6495, 285, {.hidden = true}},
        {"lblValue", K::Label, nullptr, "", 135, 6480, 6495, 255, {.hidden = true}},

        // Frame5 "Подсчет": inputs, outputs and the unit and precision options.
        {"Label6", K::Label, "Frame5", "Ширина", 540, 240, 795, 255, CaptionLook},
        {"Text2", K::TextBox, "Frame5", "", 1560, 240, 1215, 285, input(InputOrange)},
        {"Label3", K::Label, "Frame5", "Длина", 705, 600, 675, 255, CaptionLook},
        {"Text3", K::TextBox, "Frame5", "", 1560, 600, 1215, 285, input(InputOrange)},
        {"Label2", K::Label, "Frame5", "Кол-во, шт.", 360, 960, 1095, 255, CaptionLook},
        {"Text5", K::TextBox, "Frame5", "", 1560, 960, 1215, 285, input(InputBlue)},
        {"Label5", K::Label, "Frame5", "Площадь, м2", 165, 1320, 1215, 255, CaptionLook},
        {"Text4", K::TextBox, "Frame5", "", 1560, 1320, 1215, 285, input(InputYellow)},
        {"Label4", K::Label, "Frame5", "Масса 1шт.", 345, 1740, 1035, 255, CaptionLook},
        {"Command1", K::Button, "Frame5", "", 1560, 1710, 375, 315,
         {.toolTip = "Копировать в буфер обмена"}},
        {"Text6", K::TextBox, "Frame5", "", 2040, 1740, 2295, 285, OutputLook},
        {"Label1", K::Label, "Frame5", "Масса общая", 120, 2100, 1455, 255, CaptionLook},
        {"Command2", K::Button, "Frame5", "", 1560, 2070, 375, 315,
         {.toolTip = "Копировать в буфер обмена"}},
        {"Text7", K::TextBox, "Frame5", "", 2040, 2100, 2295, 285, OutputLook},
        {"Frame22", K::Frame, "Frame5", "Точность 0.?", 2870, 135, 1455, 510, OptionFrameLook},
        {"Frame7", K::Frame, "Frame5", "Длина, ширина", 2880, 660, 1455, 510,
         with(OptionFrameLook, [](Look &l) { l.text = QColor(192, 64, 0); })},
        {"Frame3", K::Frame, "Frame5", "Ед. измерения", 2880, 1200, 1455, 510,
         with(OptionFrameLook, [](Look &l) { l.text = QColor(128, 0, 0); })},
        {"Option1", K::Option, "Frame22", "1", 90, 210, 435, 195, checked(OptionLook)},
        {"Option2", K::Option, "Frame22", "2", 540, 210, 435, 195, OptionLook},
        {"Option3", K::Option, "Frame22", "3", 990, 210, 360, 195, OptionLook},
        {"Option7", K::Option, "Frame7", "мм", 180, 210, 555, 195, checked(OptionLook)},
        {"Option6", K::Option, "Frame7", "м", 855, 210, 495, 195, OptionLook},
        {"Option4", K::Option, "Frame3", "кг", 180, 210, 495, 195, checked(OptionLook)},
        {"Option5", K::Option, "Frame3", "т", 855, 210, 495, 195, OptionLook},

        // Frame6 "Список изделий": the kind toolbars and the five product options.
        {"T2", K::Premade, "Frame6", "", 120, 240, 4215, 660},
        {"T3", K::Premade, "Frame6", "", 120, 240, 4215, 330, {.hidden = true}},
        {"T4", K::Premade, "Frame6", "", 120, 240, 4215, 315, {.hidden = true}},
        {"T5", K::Premade, "Frame6", "", 120, 240, 4215, 315, {.hidden = true}},
        {"o8", K::Option, "Frame6", "3мм", 240, 660, 675, 255, {.hidden = true, .checked = true}},
        {"o9", K::Option, "Frame6", "4мм", 900, 660, 675, 255, {.hidden = true}},
        {"o10", K::Option, "Frame6", "5мм", 1500, 660, 675, 255, {.hidden = true}},
        {"O6", K::Option, "Frame6", "Ромб", 2340, 660, 795, 255, {.hidden = true}},
        {"O7", K::Option, "Frame6", "Квадрат", 3300, 660, 1035, 255, {.hidden = true}},

        // Frame4 "Тип изделия", Frame1 "Рисунок", Frame2 "Данные".
        {"T1", K::Premade, "Frame4", "", 120, 240, 1815, 315},
        // The materials list's button, in the free end of the group toolbar's room, above it.
        {"cmdBomAdd", K::Button, "Frame4", "", 1590, 240, 345, 315, {.toolTip = "Добавить в спецификацию"}},
        {"Image2", K::Premade, "Frame1", "", 120, 300, 1935, 1815,
         {.toolTip = "Увеличить изображение", .pointingHand = true}},
        {"DBGrid2", K::Premade, "Frame2", "", 120, 240, 6420, 1545, {.background = GridGreen}},
        {"Text14", K::TextBox, "Frame2", "Text1", 4620, 660, 1095, 375, {.hidden = true}},
};

// "MS Sans Serif" would fall back to a much wider face here; Liberation Sans keeps the
// design's metrics, as Liberation Serif and Sans do for Times New Roman and Arial.
void substituteFonts()
{
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"));
}

void setUpGrid(SizeGrid *grid)
{
    // Read-only, the whole current row highlighted.
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setFrameShape(QFrame::Box);
    grid->verticalHeader()->hide();
    grid->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    grid->verticalHeader()->setDefaultSectionSize(17);
    grid->setGridStyle(Qt::SolidLine);
    grid->setWordWrap(false);
    QPalette gridPalette = grid->palette();
    gridPalette.setColor(QPalette::Mid, Qt::darkGray);
    grid->setPalette(gridPalette);
}

} // namespace

void Form1::buildWindow()
{
    substituteFonts();
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Morvex Steel Mass Calculator 2.0"));
    setWindowIcon(IconPicture::load(QStringLiteral("app")));
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(8.25);
    setFont(font);
    setFixedSize(Twips::toPixels(6870), Twips::toPixels(5535));

    auto *grid = new SizeGrid;
    QHash<QString, QWidget *> premade{{QStringLiteral("DBGrid2"), grid},
                                      {QStringLiteral("Image2"), new PictureBox}};
    for (const char *name : {"T1", "T2", "T3", "T4", "T5"})
        premade.insert(QString::fromLatin1(name), new KindToolbar);
    m_controls = buildControls(this, Controls, premade);

    // The results are the computation's: they can be selected and copied, not typed into.
    for (const char *name : {"Text6", "Text7"})
        control<QLineEdit>(name)->setReadOnly(true);
    setUpGrid(grid);
    // The grid shows the record set and, after its columns, the surface of each size.
    m_gridModel = new SurfaceColumnModel(*m_data->records(), this);
    grid->setModel(m_gridModel);
    grid->setInputs({control<QWidget>("Text2"), control<QWidget>("Text3"), control<QWidget>("Text5"),
                     control<QWidget>("Text4")});
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

// The places where the features offer their commands.
void Form1::addCommand(QAction *action, Places places)
{
    if (places.testFlag(Place::WindowKeys))
        addWindowCommand(action);
    if (places.testFlag(Place::SizeGrid))
        addGridCommand(action);
    if (places.testFlag(Place::Results))
        addResultCommand(action);
    if (places.testFlag(Place::CommandButton))
        setCommandButton(action);
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

// The feature's button beside the group toolbar (cmdBomAdd) shows the command's icon and
// triggers it; it never takes the focus from the inputs.
void Form1::setCommandButton(QAction *action)
{
    auto *button = control<QPushButton>("cmdBomAdd");
    button->setIcon(action->icon());
    button->setIconSize(QSize(16, 16));
    button->setFocusPolicy(Qt::NoFocus);
    connect(button, &QPushButton::clicked, action, [action] { action->trigger(); });
}

void Form1::connectControls()
{
    connect(toolbar(1), &KindToolbar::buttonClick, this, &Form1::T1_ButtonClick);
    for (int number = 2; number <= 5; ++number)
        connect(toolbar(number), &KindToolbar::buttonClick, this,
                [this, number](int index) { KindButtonClick(number, index); });

    // Text2_Change .. Text5_Change: every change, typed or set, goes to the session.
    using Input = CalculatorSession::Input;
    const std::pair<const char *, Input> inputs[] = {
        {"Text2", Input::Width}, {"Text3", Input::Length}, {"Text5", Input::Pieces}, {"Text4", Input::Area}};
    for (const auto &[name, which] : inputs)
        connect(control<QLineEdit>(name), &QLineEdit::textChanged, m_session,
                [this, which = which](const QString &text) { m_session->setInput(which, text); });

    // Option1_Click .. Option7_Click: the unit and precision options; O6_Click, O7_Click,
    // o8_Click .. o10_Click: the product options.
    const auto option = [this](const char *name, auto handler) {
        connect(control<QRadioButton>(name), &QRadioButton::clicked, m_session, handler);
    };
    CalculatorSession *s = m_session;
    option("Option1", [s] { s->setPrecision(QStringLiteral("0.0")); });
    option("Option2", [s] { s->setPrecision(QStringLiteral("0.0#")); });
    option("Option3", [s] { s->setPrecision(QStringLiteral("0.0##")); });
    option("Option4", [s] { s->setMassDivisor(1); });
    option("Option5", [s] { s->setMassDivisor(1000); });
    option("Option6", [s] { s->setLengthDivisor(1); });
    option("Option7", [s] { s->setLengthDivisor(1000); });
    option("O6", [s] { s->chooseOption(ProductOption::Rhombic); });
    option("O7", [s] { s->chooseOption(ProductOption::Square); });
    option("o8", [s] { s->chooseOption(ProductOption::Wire3); });
    option("o9", [s] { s->chooseOption(ProductOption::Wire4); });
    option("o10", [s] { s->chooseOption(ProductOption::Wire5); });

    connect(control<QPushButton>("Command1"), &QPushButton::clicked, this, &Form1::Command1_Click);
    connect(control<QPushButton>("Command2"), &QPushButton::clicked, this, &Form1::Command2_Click);
    connect(control<QPushButton>("Command3"), &QPushButton::clicked, this, &Form1::Command3_Click);
    connect(control<QPushButton>("Command4"), &QPushButton::clicked, this, &Form1::Command4_Click);
    connect(control<QPushButton>("Command5"), &QPushButton::clicked, this, &Form1::Command5_Click);
    connect(control<PictureBox>("Image2"), &PictureBox::clicked, this, &Form1::Image2_Click);
    connect(grid()->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex &current, const QModelIndex &previous) {
                m_column = std::max(current.column(), 0);
                if (!m_followingSession)
                    DBGrid2_RowColChange(previous.row(), previous.column());
            });
}

void Form1::connectSession()
{
    CalculatorSession *s = m_session;
    connect(s, &CalculatorSession::kindChanged, this, &Form1::showKind);
    connect(s, &CalculatorSession::enabledInputsChanged, this, &Form1::showInputsEnabled);
    connect(s, &CalculatorSession::optionsChanged, this, &Form1::showOptions);
    connect(s, &CalculatorSession::drawingShown, this, &Form1::ShowPicture);
    connect(s, &CalculatorSession::rowChanged, this, &Form1::followRow);
    connect(s, &CalculatorSession::inputChanged, this, &Form1::showInput);
    connect(s, &CalculatorSession::outcomeChanged, this, &Form1::showOutcome);
    connect(s, &CalculatorSession::sizesLoaded, this, [this] {
        m_panelNote->showKind(QString::fromUtf8(m_session->kind()->standard), m_data->PartialNote());
    });
    connect(s, &CalculatorSession::databaseFailed, this, &Form1::endAfterDatabaseFailure);
}

void Form1::setUpContextMenus()
{
    QTableView *table = grid();
    table->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(table, &QWidget::customContextMenuRequested, this, [table](const QPoint &at) {
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
