// The About window's controls, in the design's twips (Left, Top, Width, Height), listed in
// their stacking order: a control listed earlier lies above the ones after it.

#include "about/form2.h"

#include "about/aboutcontrols.h"
#include "about/abouttexts.h"
#include "about/clipplayer.h"
#include "host/calculatorhost.h"
#include "platform/environment.h"
#include "ui/controltable.h"

#include <QCoreApplication>
#include <QCursor>
#include <QLabel>
#include <QTimer>

namespace {

using K = ControlSpec::Kind;
using Look = ControlSpec::Look;

constexpr const char *TimesNewRoman = "Times New Roman";
constexpr const char *Arial = "Arial";

const Look DottedLook{.fontFamily = TimesNewRoman, .pointSize = 11.25, .text = QColor(255, 255, 192)};
const Look CaptionLook{.fontFamily = TimesNewRoman, .pointSize = 23.25, .bold = true, .italic = true,
                       .underline = true, .hidden = true};

Look hidden(Look look)
{
    look.hidden = true;
    return look;
}

// The design-time caption of Label1, an old title that the load extends.
constexpr const char Label1Caption[] = "Сортамент 1.0";

} // namespace

void Form2::makeTimers()
{
    const auto timer = [this](const char *name) {
        auto *t = new QTimer(this);
        t->setObjectName(QString::fromLatin1(name));
        connect(t, &QTimer::timeout, this, [this, t] {
            if (t == m_timer1)
                Timer1_Timer();
            else if (t == m_timer2)
                Timer2_Timer();
            else if (t == m_timer3)
                Timer3_Timer();
            else
                Timer4_Timer();
        });
        return t;
    };
    m_timer4 = timer("Timer4");
    m_timer3 = timer("Timer3");
    m_timer2 = timer("Timer2");
    m_timer1 = timer("Timer1");
}

QHash<QString, QWidget *> Form2::makePremade()
{
    // The player comes from the program directory, where the executable lies.
    m_player = ClipPlayer::create(this, m_main ? m_main->environment().executableDir
                                               : QCoreApplication::applicationDirPath());
    const QPixmap splash(QStringLiteral(":/images/splash.png"));
    const QPixmap right(QStringLiteral(":/images/image2.jpg"));
    const QPixmap left(QStringLiteral(":/images/image1.jpg"));
    return {
        {QStringLiteral("MediaPlayer1"), m_player->widget()},
        {QStringLiteral("Image3"), new StretchedImage(splash, false)},
        {QStringLiteral("Image2"), new StretchedImage(right, true)},
        {QStringLiteral("Image1"), new StretchedImage(left, true)},
        {QStringLiteral("Shape1"), new RectangleShape},
    };
}

void Form2::buildWindow()
{
    makeTimers();
    const QHash<QString, QWidget *> premade = makePremade();
    const QByteArray lowerLine = AboutTexts::lowerDottedLine().toUtf8();
    const QByteArray upperLine = AboutTexts::upperDottedLine().toUtf8();
    const QByteArray notice = AboutTexts::notice().toUtf8();
    const QByteArray about = AboutTexts::AboutCaption.toString().toUtf8();

    m_controls = buildControls(this, {
        {"MediaPlayer1", K::Premade, nullptr, "", 240, 4000, 315, 420},
        {"Image3", K::Premade, nullptr, "", 0, 0, 4695, 3255},
        {"Label9", K::Label, nullptr, lowerLine.constData(), 250, 1700, 4095, 255, hidden(DottedLook)},
        {"Label8", K::Label, nullptr, upperLine.constData(), 250, 50, 4095, 255, hidden(DottedLook)},
        {"Label7", K::Label, nullptr, "Label7", 1080, 1980, 615, 255,
         {.fontFamily = TimesNewRoman, .pointSize = 11.25, .text = QColor(192, 255, 255), .hidden = true,
          .centred = true}},
        {"Label6", K::Label, nullptr, notice.constData(), 300, 2820, 4095, 255, DottedLook},
        {"Image2", K::Premade, nullptr, "", 2160, 240, 2235, 2580},
        {"Image1", K::Premade, nullptr, "", 240, 795, 1770, 1035},
        {"Shape1", K::Premade, nullptr, "", 120, 120, 4395, 3015},
        {"Label5(2)", K::Label, nullptr, about.constData(), 2580, 1440, 1812, 792, CaptionLook},
        {"Label5(1)", K::Label, nullptr, about.constData(), 2280, 1500, 1812, 792, CaptionLook},
        {"Label5(0)", K::Label, nullptr, about.constData(), 240, 180, 1770, 555, CaptionLook},
        {"Label1", K::Label, nullptr, Label1Caption, 2220, 420, 2100, 2265,
         {.fontFamily = Arial, .pointSize = 9.75, .bold = true, .text = QColor(192, 64, 0), .hidden = true,
          .centred = true}},
    }, premade);
    dressControls();
}

void Form2::dressControls()
{
    // Earlier in the table lies above: the last control goes to the front first.
    const char *const order[] = {"MediaPlayer1", "Image3", "Label9", "Label8", "Label7", "Label6", "Image2",
                                 "Image1", "Shape1", "Label5(2)", "Label5(1)", "Label5(0)", "Label1"};
    for (auto it = std::rbegin(order); it != std::rend(order); ++it)
        m_controls.value(QString::fromLatin1(*it))->raise();

    // Labels wrap their text at the blanks, within their own width.
    for (QWidget *control : std::as_const(m_controls))
        if (auto *text = qobject_cast<QLabel *>(control))
            text->setWordWrap(true);

    const QCursor pointer(QPixmap(QStringLiteral(":/images/pointer.xpm")), 12, 1);
    for (const char *name : {"Image1", "Image2", "Image3", "Label5(0)"})
        m_controls.value(QString::fromLatin1(name))->setCursor(pointer);

    // Every control reports its clicks to the window, which dispatches them to the handlers.
    for (QWidget *control : std::as_const(m_controls))
        control->installEventFilter(this);
}
