#include "about/form2.h"

#include "about/abouttexts.h"
#include "about/clipfile.h"
#include "about/clipplayer.h"
#include "about/module1.h"
#include "about/stillclipplayer.h"
#include "host/calculatorhost.h"
#include "platform/environment.h"
#include "platform/usermessages.h"
#include "ui/twips.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

#include <utility>

namespace {

const QColor BackColour(128, 255, 255);
const QColor ForeColour(192, 255, 255);
// The caption's face colour and emboss.
const QRgb CaptionFaceColour = qRgb(192, 192, 192);
constexpr int16_t CaptionDepth = 1;

// Notes when another window of the program becomes the active window, so that the About
// window's next activation counts as the program's active window changing to it. Coming back
// from another program, with no other window of this one active in between, is none.
class OtherWindowActivation : public QObject
{
public:
    OtherWindowActivation(QWidget *window, bool &activationDue)
        : QObject(window)
        , m_window(window)
        , m_activationDue(activationDue)
    {
        QCoreApplication::instance()->installEventFilter(this);
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::WindowActivate && watched != m_window && watched->isWidgetType()
            && static_cast<QWidget *>(watched)->isWindow())
            m_activationDue = true;
        return false;
    }

private:
    QWidget *m_window;
    bool &m_activationDue;
};

} // namespace

QString Form2::storedLiteral()
{
    // Rebuilds to "Версия 2.0. Морвекс: калькулятор массы проката и арматуры ©".
    return QString::fromUtf16(u"Бгннгщ\x19*%&#\x14їабТФШЮ&\x0BФЙУгРШПвФПР\x1FКЅНМХ\x1FЗЗДїґЕІ\x1Fё\x1F®Ѕё«јјёВ\x1Fn");
}

Form2::Form2(CalculatorHost *mainWindow, const QString &literal)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                           | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
    , m_main(mainWindow)
{
    setObjectName(QStringLiteral("Form2"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("О программе / Помощь"));
    setFixedSize(Twips::toPixels(4650), Twips::toPixels(3255));
    QPalette colours = palette();
    colours.setColor(QPalette::Window, BackColour);
    colours.setColor(QPalette::WindowText, ForeColour);
    setPalette(colours);
    m_background = QPixmap(QStringLiteral(":/images/background.jpg"));

    m_presentation.prepareEmboss = [] { Module1::PrepareEmboss(); };
    m_presentation.embossCaption = [this] { embossCaption(); };
    buildWindow();
    new OtherWindowActivation(this, m_activationDue);
    Form_Load(literal);
}

Form2::~Form2()
{
    Form_Unload();
}

QLabel *Form2::label(const char *name) const
{
    return qobject_cast<QLabel *>(m_controls.value(QString::fromLatin1(name)));
}

void Form2::Form_Load(const QString &literal)
{
    // 1, 2 and 4: the full sizes of the pictures, the two positions, the notice.
    m_presentation.Form_Load();
    // 3. Centred over the main window, by the outer sizes of both.
    if (m_main) {
        const QWidget &opener = m_main->parentWindow();
        const QRect main = opener.frameGeometry();
        // Not yet shown, the window has no frame of its own: it gets one like the main window's.
        const QSize own = size() + (main.size() - opener.size());
        move(main.left() + (main.width() - own.width()) / 2,
             main.top() + (main.height() - own.height()) / 2);
    }
    apply();

    // 6 and 7, trapped: the rebuilt text goes into the hidden Label1.
    const std::optional<QString> text = AboutTexts::UnscrambleText(literal);
    if (!text) {
        if (m_main && m_main->environment().messages)
            m_main->environment().messages->critical(
                QStringLiteral("Ошибка при выполнении операции !"), QStringLiteral("О программе"));
        return;
    }
    QLabel *label1 = label("Label1");
    label1->setText(label1->text() + *text);
}

void Form2::Form_Activate()
{
    // The clip is a decoration: missing, unreadable, of the wrong length or refused by the
    // player, it leaves its place to its still picture and the window goes on, without a word.
    const auto *text14 = m_main ? m_main->parentWindow().findChild<QLineEdit *>(QStringLiteral("Text14")) : nullptr;
    const QString clip = text14 ? text14->text() + ClipFile::FileName.toString() : QString();
    if (!text14 || ClipFile::check(clip) != ClipFile::Check::Accepted || !m_player->setFileName(clip))
        showStillClip();
}

// The player gives way to the clip's still picture, in its place, its stacking and its state,
// taking its clicks.
void Form2::showStillClip()
{
    QWidget *player = m_player->widget();
    if (qobject_cast<StillClipPlayer *>(player))
        return;
    auto *still = new StillClipPlayer(this);
    still->setObjectName(player->objectName());
    still->setGeometry(player->geometry());
    still->setVisible(player->isVisible());
    still->stackUnder(player);
    still->installEventFilter(this);
    m_controls.insert(still->objectName(), still);
    m_player = still;
    delete player; // and with it the player
}

void Form2::Form_Unload()
{
    if (m_unloaded)
        return;
    m_unloaded = true;
    m_presentation.Form_Unload();
    // Unloading the window stops every timer.
    for (QTimer *timer : {m_timer1, m_timer2, m_timer3, m_timer4})
        timer->stop();
}

bool Form2::event(QEvent *event)
{
    // Esc closes the window at any stage, as the window's own close box does.
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape) {
        close();
        return true;
    }
    const bool handled = QWidget::event(event);
    if (event->type() == QEvent::WindowActivate && !m_unloaded && std::exchange(m_activationDue, false))
        Form_Activate();
    return handled;
}

void Form2::closeEvent(QCloseEvent *event)
{
    Form_Unload();
    event->accept();
}

void Form2::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), BackColour);
    // Unscaled from the top-left corner; the client area cuts off its right and bottom.
    painter.drawPixmap(0, 0, m_background);
}

void Form2::mousePressEvent(QMouseEvent *event)
{
    mouseOn(this, event);
}

void Form2::mouseReleaseEvent(QMouseEvent *event)
{
    mouseOn(this, event);
}

void Form2::mouseDoubleClickEvent(QMouseEvent *event)
{
    mouseOn(this, event);
}

bool Form2::eventFilter(QObject *watched, QEvent *event)
{
    auto *control = qobject_cast<QWidget *>(watched);
    if (!control)
        return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseButtonRelease:
        // A control takes its own clicks, even one without a click handler.
        mouseOn(control, static_cast<QMouseEvent *>(event));
        return true;
    default:
        return false;
    }
}

void Form2::mouseOn(QWidget *target, QMouseEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        m_doubleClickPressed = false;
        break;
    case QEvent::MouseButtonDblClick:
        // A double click is one click and a double-click event, for which the window has no
        // handler: the second press raises no further click.
        m_doubleClickPressed = true;
        break;
    case QEvent::MouseButtonRelease:
        if (!std::exchange(m_doubleClickPressed, false) && event->button() == Qt::LeftButton
            && target->rect().contains(event->position().toPoint()))
            clicked(target);
        break;
    default:
        break;
    }
    event->accept();
}

void Form2::clicked(QWidget *control)
{
    const QString name = control == this ? QStringLiteral("Form2") : control->objectName();
    if (name == QLatin1String("Form2"))
        m_presentation.Form_Click();
    else if (name == QLatin1String("Image3"))
        m_presentation.Image3_Click();
    else if (name.startsWith(QLatin1String("Label5(")))
        m_presentation.Label5_Click();
    else if (name == QLatin1String("Image1"))
        m_presentation.Image1_Click();
    else if (name == QLatin1String("Image2"))
        m_presentation.Image2_Click();
    else if (name == QLatin1String("Label7"))
        m_presentation.Label7_Click();
    else if (name == QLatin1String("MediaPlayer1"))
        m_presentation.MediaPlayer1_Click();
    else
        return; // the notice line and the dotted lines have no click handler
    apply();
}

void Form2::Timer1_Timer()
{
    m_presentation.Timer1_Timer();
    apply();
}

void Form2::Timer2_Timer()
{
    m_presentation.Timer2_Timer();
    apply();
    m_controls.value(QStringLiteral("Image1"))->repaint();
    m_controls.value(QStringLiteral("Image2"))->repaint();
}

void Form2::Timer3_Timer()
{
    m_presentation.Timer3_Timer();
    apply();
    label("Label6")->repaint();
}

void Form2::Timer4_Timer()
{
    m_presentation.Timer4_Timer();
    apply();
    label("Label9")->repaint();
}

void Form2::applyCaption()
{
    QLabel *face = label("Label5(0)");
    Module1::setScaledGeometry(face, QRectF(m_presentation.Face.box.left, m_presentation.Face.box.top,
                                            m_presentation.Face.box.width, m_presentation.Face.box.height));
    for (const char *name : {"Label5(0)", "Label5(1)", "Label5(2)"}) {
        QLabel *element = label(name);
        if (element->text() != m_presentation.Face.caption)
            element->setText(m_presentation.Face.caption);
    }
    for (const char *name : {"Label5(0)", "Label5(1)", "Label5(2)"})
        label(name)->setVisible(m_presentation.captionVisible);
}

void Form2::embossCaption()
{
    applyCaption();
    Module1::EmbossCaption(label("Label5(0)"), label("Label5(1)"), label("Label5(2)"), QString(),
                           Module1::Raised, CaptionFaceColour, CaptionDepth);
}

void Form2::apply()
{
    if (m_unloaded)
        return;
    const Presentation &p = m_presentation;
    const auto place = [this](const char *name, const Presentation::Control &control) {
        QWidget *widget = m_controls.value(QString::fromLatin1(name));
        const Presentation::Box &b = control.box;
        Module1::setScaledGeometry(widget, QRectF(b.left, b.top, b.width, b.height));
        if (auto *text = qobject_cast<QLabel *>(widget); text && text->text() != control.caption)
            text->setText(control.caption);
        widget->setVisible(control.visible);
    };
    place("MediaPlayer1", p.MediaPlayer1);
    place("Image3", p.Image3);
    place("Label9", p.Label9);
    place("Label8", p.Label8);
    place("Label7", p.Label7);
    place("Label6", p.Label6);
    place("Image2", p.Image2);
    place("Image1", p.Image1);
    applyCaption();

    const auto run = [](QTimer *timer, const Presentation::Timer &state) {
        // Enabling a running timer changes nothing (QTimer::start would restart it).
        if (state.enabled && !timer->isActive())
            timer->start(state.interval);
        else if (!state.enabled && timer->isActive())
            timer->stop();
    };
    run(m_timer1, p.Timer1);
    run(m_timer2, p.Timer2);
    run(m_timer3, p.Timer3);
    run(m_timer4, p.Timer4);

    if (p.closeRequested)
        close();
}
