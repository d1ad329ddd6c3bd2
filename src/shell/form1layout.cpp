// The main window's controls, in the design's twips (Left, Top, Width, Height), relative to
// their container.

#include "shell/form1.h"

#include "catalogue/kindtoolbar.h"
#include "catalogue/picturebox.h"
#include "catalogue/sizegrid.h"
#include "ui/controltable.h"
#include "shell/maker.h"

#include <QHeaderView>
#include <QLineEdit>

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

} // namespace

void Form1::buildWindow()
{
    auto *grid = new SizeGrid;
    auto *image = new PictureBox;
    QHash<QString, QWidget *> premade{{QStringLiteral("DBGrid2"), grid},
                                      {QStringLiteral("Image2"), image}};
    for (const char *name : {"T1", "T2", "T3", "T4", "T5"})
        premade.insert(QString::fromLatin1(name), new KindToolbar);

    const auto checked = [](Look look) { return with(look, [](Look &l) { l.checked = true; }); };
    const auto input = [](QColor background) {
        return Look{.text = Qt::black, .background = background};
    };

    m_controls = buildControls(this, {
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
    }, premade);

    // The results are the computation's: they can be selected and copied, not typed into.
    for (const char *name : {"Text6", "Text7"})
        qobject_cast<QLineEdit *>(m_controls.value(QString::fromLatin1(name)))->setReadOnly(true);

    // The size grid: read-only, the whole current row highlighted.
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
