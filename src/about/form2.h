#pragma once

#include "about/presentation.h"

#include <QHash>
#include <QPixmap>
#include <QWidget>

class CalculatorHost;
class ClipPlayer;
class QLabel;
class QTimer;

// The About/Help window: a splash, then an animated presentation with an embossed
// About/Help caption, the animation clip, two pictures and a notice ticker, then the program's
// title and version. Its presentation logic is the Presentation model; the window's four
// timers drive it and its controls show its state.
class Form2 : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Form2)

public:
    // The window's stored literal of 59 characters that the load rebuilds into Label1.
    static QString storedLiteral();

    // The main window, as its host interface: the place to centre on and the program's services;
    // it hands over the program directory through its hidden Text14, as the design has it. The
    // load steps run here (a test may give another literal).
    explicit Form2(CalculatorHost *mainWindow, const QString &literal = storedLiteral());
    ~Form2() override;

    // Runs whenever the window becomes the active window: checks the animation clip and hands
    // it to the player, or shows the clip's still picture in its place.
    void Form_Activate();

    const Presentation &presentation() const { return m_presentation; }
    ClipPlayer *player() const { return m_player; }

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void buildWindow();
    void makeTimers();
    QHash<QString, QWidget *> makePremade();
    void dressControls();
    void Form_Load(const QString &literal);
    void Form_Unload();
    // A press, double-click press or release on the window or one of its controls; a left
    // release inside it is a click.
    void mouseOn(QWidget *target, QMouseEvent *event);
    void clicked(QWidget *control);
    void Timer1_Timer();
    void Timer2_Timer();
    void Timer3_Timer();
    void Timer4_Timer();

    // Brings the controls and the timers into the model's state, and closes the window when
    // the model asks for it.
    void apply();
    void applyCaption();
    void embossCaption();
    void showStillClip();
    QLabel *label(const char *name) const;

    CalculatorHost *m_main;
    Presentation m_presentation;
    ClipPlayer *m_player = nullptr;
    QHash<QString, QWidget *> m_controls;
    QTimer *m_timer1 = nullptr;
    QTimer *m_timer2 = nullptr;
    QTimer *m_timer3 = nullptr;
    QTimer *m_timer4 = nullptr;
    QPixmap m_background;
    bool m_unloaded = false;
    // The press in progress is the second of a double click: its release is no click.
    bool m_doubleClickPressed = false;
    // The next activation is the program's active window changing to this one: at the first
    // showing, and after another window of the program was active.
    bool m_activationDue = true;
};
