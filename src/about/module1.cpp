#include "about/module1.h"

#include "ui/twips.h"

#include <QLabel>
#include <QVariant>

#include <cmath>

namespace Module1 {

QRgb HighlightColour = 0;
QRgb ShadowColour = 0;

namespace {

constexpr char ScaleModeProperty[] = "ScaleMode";

void setTextColour(QLabel *label, QRgb colour)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, QColor(qRed(colour), qGreen(colour), qBlue(colour)));
    label->setPalette(palette);
}

double toUnit(int pixels, ScaleMode mode)
{
    return mode == ScaleMode::Pixel ? double(pixels) : Twips::fromPixels(pixels);
}

int toPixels(double value, ScaleMode mode)
{
    return mode == ScaleMode::Pixel ? int(std::lround(value)) : Twips::toPixels(value);
}

} // namespace

void PrepareEmboss()
{
    if (HighlightColour == 0) {
        HighlightColour = qRgb(255, 255, 255);
        ShadowColour = qRgb(128, 128, 128);
    }
}

void EmbossCaption(QLabel *face, QLabel *shadow, QLabel *highlight, const QString &text,
                   int16_t style, QRgb faceColour, int16_t depth)
{
    QWidget *container = face->parentWidget();
    face->hide();
    shadow->hide();
    highlight->hide();

    const ScaleMode unit = scaleMode(container);
    setScaleMode(container, ScaleMode::Pixel);

    const QString caption = text.isEmpty() ? face->text() : text;
    face->setText(caption);
    shadow->setText(caption);
    highlight->setText(caption);

    face->setAutoFillBackground(false);
    setTextColour(face, faceColour);
    const QRectF faceBox = scaledGeometry(face);

    QRectF shadowBox = scaledGeometry(shadow);
    shadowBox.setSize(faceBox.size());
    shadow->setAutoFillBackground(face->autoFillBackground());
    setTextColour(shadow, ShadowColour);

    QRectF highlightBox = scaledGeometry(highlight);
    highlightBox.setSize(faceBox.size());
    highlight->setAutoFillBackground(face->autoFillBackground());
    setTextColour(highlight, HighlightColour);

    const double offset = double(depth);
    if (style == Raised) {
        shadowBox.moveTopLeft(faceBox.topLeft() + QPointF(offset, offset));
        highlightBox.moveTopLeft(faceBox.topLeft() - QPointF(offset, offset));
    } else if (style == Sunken) {
        shadowBox.moveTopLeft(faceBox.topLeft() - QPointF(offset, offset));
        highlightBox.moveTopLeft(faceBox.topLeft() + QPointF(offset, offset));
    }
    setScaledGeometry(shadow, shadowBox);
    setScaledGeometry(highlight, highlightBox);

    setScaleMode(container, unit);

    face->show();
    shadow->show();
    highlight->show();
    face->raise();
}

ScaleMode scaleMode(const QWidget *container)
{
    const QVariant mode = container->property(ScaleModeProperty);
    return mode.isValid() ? ScaleMode(mode.toInt()) : ScaleMode::Twip;
}

void setScaleMode(QWidget *container, ScaleMode mode)
{
    container->setProperty(ScaleModeProperty, int(mode));
}

QRectF scaledGeometry(const QWidget *control)
{
    const ScaleMode mode = control->parentWidget() ? scaleMode(control->parentWidget()) : ScaleMode::Pixel;
    const QRect g = control->geometry();
    return QRectF(toUnit(g.x(), mode), toUnit(g.y(), mode), toUnit(g.width(), mode), toUnit(g.height(), mode));
}

void setScaledGeometry(QWidget *control, const QRectF &geometry)
{
    const ScaleMode mode = control->parentWidget() ? scaleMode(control->parentWidget()) : ScaleMode::Pixel;
    control->setGeometry(toPixels(geometry.x(), mode), toPixels(geometry.y(), mode),
                         std::max(0, toPixels(geometry.width(), mode)),
                         std::max(0, toPixels(geometry.height(), mode)));
}

} // namespace Module1
