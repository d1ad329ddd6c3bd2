#include "about/presentation.h"

#include "about/abouttexts.h"

#include <algorithm>
#include <cmath>

namespace {

// Label5(0) moves right during the wipe and down during the reveal.
constexpr float FaceStepRight = 220;
constexpr float FaceStepDown = 200;
// Label7, Label8 and Label9 grow during the reveal.
constexpr float InformationStep = 412;
constexpr float DottedLineStep = 419.5f;

// Where Label7 is placed when the reveal begins.
constexpr Presentation::Box InformationStart{240, 350, 1, 1440};

constexpr int16_t TickerFirst = 60;
constexpr int16_t TickerLast = 430;
constexpr int TickerLength = 70;
constexpr int16_t ShimmerFirst = 60;
constexpr int16_t ShimmerLast = 65;
constexpr int ShimmerLength = 80;

// 1-based part of a text, at most length characters from start; empty past the end.
QString mid(const QString &text, int start, int length)
{
    if (start > text.size())
        return {};
    return text.mid(start - 1, length);
}

// Sizes never go below zero: a restarted wipe runs more than ten shrink steps.
float shrunk(float size, float step)
{
    return std::max(0.0f, size - step);
}

int16_t nearestInteger(float value)
{
    return int16_t(std::lrint(value));
}

} // namespace

Presentation::Presentation()
{
    MediaPlayer1.box = MediaPlayer1Design;
    Image3.box = Image3Design;
    Label9 = {Label9Design, false, AboutTexts::lowerDottedLine()};
    Label8 = {Label8Design, false, AboutTexts::upperDottedLine()};
    Label7 = {Label7Design, false, QStringLiteral("Label7")};
    Label6 = {Label6Design, true, AboutTexts::notice()};
    Image2.box = Image2Design;
    Image1.box = Image1Design;
    Face = {FaceDesign, false, AboutTexts::AboutCaption.toString()};
    captionVisible = false;
}

void Presentation::Form_Load()
{
    Image2FullHeight = nearestInteger(Image2.box.height);
    Image1FullWidth = nearestInteger(Image1.box.width);
    TickerPos = TickerFirst;
    ShimmerPos = ShimmerFirst;
    TickerText = Label6.caption;
    Label6.caption.clear();
}

void Presentation::Image3_Click()
{
    Timer1.enabled = true;
    Timer3.enabled = true;
    Image3.visible = false;
    captionVisible = true;
    MediaPlayer1.box.left = 240;
    MediaPlayer1.box.top = 2000;
    if (prepareEmboss)
        prepareEmboss();
    emboss();
}

void Presentation::Label5_Click()
{
    if (Label7.visible) {
        close();
        return;
    }
    if (Face.caption == AboutTexts::AboutCaption) {
        Face.caption = AboutTexts::HelpCaption.toString();
        emboss();
        Timer2.enabled = true;
        StepCount = 0;
    } else if (Face.caption == AboutTexts::HelpCaption) {
        Face.caption = AboutTexts::AboutCaption.toString();
        emboss();
    }
}

void Presentation::Form_Click()
{
    if (Label7.visible)
        close();
    else
        Label5_Click();
}

void Presentation::MediaPlayer1_Click()
{
    Form_Click();
}

void Presentation::Image1_Click()
{
    Label5_Click();
}

void Presentation::Image2_Click()
{
    Label5_Click();
}

void Presentation::Label7_Click()
{
    close();
}

void Presentation::Form_Unload()
{
    Timer2.enabled = false;
}

void Presentation::Timer1_Timer()
{
    close();
}

void Presentation::Timer2_Timer()
{
    const bool wiping = Image2.visible;
    StepCount = int16_t(StepCount + 1);
    if (wiping) {
        Face.box.left = Face.box.left + FaceStepRight;
        emboss();
        const float heightStep = float(Image2FullHeight) / 10.0f;
        Image2.box.top = Image2.box.top + heightStep;
        Image2.box.height = shrunk(Image2.box.height, heightStep);
        Image1.box.width = shrunk(Image1.box.width, float(Image1FullWidth) / 10.0f);
        if (StepCount == 9) {
            MediaPlayer1.visible = false;
            Image1.visible = false;
        }
        if (StepCount == 10) {
            Image2.visible = false;
            StepCount = 0;
            Label7.box = InformationStart;
            Label8.box.width = 1;
            Label9.box.width = 1;
            Label8.visible = true;
            Label9.visible = true;
            Label7.caption = AboutTexts::informationText();
            Label7.visible = true;
        }
    } else {
        Face.box.top = Face.box.top + FaceStepDown;
        emboss();
        Label7.box.width = Label7.box.width + InformationStep;
        Label8.box.width = Label8.box.width + DottedLineStep;
        Label9.box.width = Label9.box.width + DottedLineStep;
        if (StepCount == 10)
            Timer2.enabled = false;
        Timer4.enabled = true;
        ShimmerText = Label8.caption;
    }
}

void Presentation::Timer3_Timer()
{
    Label6.caption = mid(TickerText, TickerPos - 59, TickerLength);
    TickerPos = int16_t(TickerPos + 1);
    if (TickerPos > TickerLast)
        TickerPos = TickerFirst;
}

void Presentation::Timer4_Timer()
{
    Label9.caption = mid(ShimmerText, ShimmerPos - 59, ShimmerLength);
    Label8.caption = mid(ShimmerText, ShimmerPos - 59, ShimmerLength);
    ShimmerPos = int16_t(ShimmerPos + 1);
    if (ShimmerPos > ShimmerLast)
        ShimmerPos = ShimmerFirst;
}

void Presentation::close()
{
    closeRequested = true;
}

void Presentation::emboss()
{
    if (embossCaption)
        embossCaption();
}
