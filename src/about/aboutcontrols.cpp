#include "about/aboutcontrols.h"

#include <QPainter>

StretchedImage::StretchedImage(const QPixmap &picture, bool border)
    : m_picture(picture)
    , m_border(border)
{
}

void StretchedImage::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    QRect inside = rect();
    if (m_border) {
        painter.setPen(Qt::black);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
        inside.adjust(1, 1, -1, -1);
    }
    if (!inside.isEmpty())
        painter.drawPixmap(inside, m_picture);
}

RectangleShape::RectangleShape()
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void RectangleShape::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(Qt::black);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}
