#pragma once

#include <QString>

#include <cstdint>
#include <functional>

// The animated presentation of the About window as a model: the state of the controls that the
// presentation moves, shows, hides or writes, in twips and single precision as the window's
// design gives them, the window's variables and its four timers. The window's event handlers
// and timer ticks call the operations of the same names; the window then applies the state to
// its controls. Nothing here waits: whoever drives the timers decides when a tick happens.
class Presentation
{
public:
    // Position and size in twips, relative to the window's client area.
    struct Box
    {
        float left = 0, top = 0, width = 0, height = 0;
        friend bool operator==(const Box &, const Box &) = default;
    };
    struct Control
    {
        Box box;
        bool visible = true;
        QString caption;
    };
    struct Timer
    {
        int interval; // milliseconds
        bool enabled = false;
    };

    // The design-time geometry of the controls the presentation changes.
    static constexpr Box MediaPlayer1Design{240, 4000, 315, 420};
    static constexpr Box Label9Design{250, 1700, 4095, 255};
    static constexpr Box Label8Design{250, 50, 4095, 255};
    static constexpr Box Label7Design{1080, 1980, 615, 255};
    static constexpr Box Label6Design{300, 2820, 4095, 255};
    static constexpr Box Image2Design{2160, 240, 2235, 2580};
    static constexpr Box Image1Design{240, 795, 1770, 1035};
    static constexpr Box Image3Design{0, 0, 4695, 3255};
    static constexpr Box FaceDesign{240, 180, 1770, 555}; // Label5(0)

    Presentation();

    // Load steps 1, 2 and 4: the full sizes of the pictures, the two positions, the notice
    // taken from Label6 into TickerText.
    void Form_Load();

    void Image3_Click();
    void Label5_Click(); // any element of Label5
    void Form_Click();
    void MediaPlayer1_Click();
    void Image1_Click();
    void Image2_Click();
    void Label7_Click();
    void Form_Unload();

    void Timer1_Timer();
    void Timer2_Timer();
    void Timer3_Timer();
    void Timer4_Timer();

    // The embossing of the caption, called where the presentation calls PrepareEmboss and
    // EmbossCaption (face Label5(0), raised, the caption's face colour, depth 1). The window
    // draws it on its three caption labels; unset, nothing is drawn.
    std::function<void()> prepareEmboss;
    std::function<void()> embossCaption;

    // Controls (design-time state after construction).
    Control MediaPlayer1;
    Control Image3;
    Control Label9, Label8, Label7, Label6;
    Control Image2, Image1;
    Control Face;           // Label5(0): its box; its caption is that of all three elements
    bool captionVisible;    // Label5(0) to Label5(2)

    Timer Timer4{100};
    Timer Timer3{100};
    Timer Timer2{25};
    Timer Timer1{60000};

    // The window's variables.
    QString TickerText;
    int16_t TickerPos = 0;
    QString ShimmerText;
    int16_t ShimmerPos = 0;
    int16_t Image2FullHeight = 0;
    int16_t Image1FullWidth = 0;
    int16_t StepCount = 0;

    // Set when the presentation closes the window.
    bool closeRequested = false;

private:
    void close();
    void emboss();
};
