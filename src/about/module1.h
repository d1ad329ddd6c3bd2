#pragma once

#include <QRectF>
#include <QRgb>
#include <QString>

#include <cstdint>

class QLabel;
class QWidget;

// The embossed caption: three stacked labels showing one text, the face in the caller's
// colour, a dark grey shadow and a white highlight shifted in opposite diagonal directions
// beneath it, so that the caption looks raised or sunken.
namespace Module1 {

// The colours the two routines share; both are 0 (black) until PrepareEmboss runs.
extern QRgb HighlightColour;
extern QRgb ShadowColour;

enum EmbossStyle : int16_t { Raised = 1, Sunken = 2 };

// Sets the two colours, white and dark grey, unless the highlight colour is set already.
void PrepareEmboss();

// Gives shadow and highlight the face's caption (text, when it is not empty), size and
// background, colours the three labels and places shadow and highlight depth pixels off the
// face by style (any other style leaves them where they are), then shows them with the face
// in front. The three labels must lie in one container, whose coordinate unit is switched to
// pixels while the labels are rearranged and restored afterwards.
void EmbossCaption(QLabel *face, QLabel *shadow, QLabel *highlight, const QString &text,
                   int16_t style, QRgb faceColour, int16_t depth);

// The coordinate unit of a container: the positions and sizes of its controls are read and
// written in it. A container is in twips unless set otherwise; twips become pixels here.
enum class ScaleMode : int16_t { Twip = 1, Pixel = 3 };
ScaleMode scaleMode(const QWidget *container);
void setScaleMode(QWidget *container, ScaleMode mode);

// A control's position and size in its container's unit.
QRectF scaledGeometry(const QWidget *control);
void setScaledGeometry(QWidget *control, const QRectF &geometry);

} // namespace Module1
