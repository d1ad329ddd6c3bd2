#include "catalogue/picturebox.h"

#include <QMouseEvent>

PictureBox::PictureBox(QWidget *parent)
    : QLabel(parent)
{
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void PictureBox::setStretch(bool stretch)
{
    setScaledContents(stretch);
}

bool PictureBox::stretch() const
{
    return hasScaledContents();
}

void PictureBox::setBorderStyle(int style)
{
    setFrameShape(style == 1 ? QFrame::Box : QFrame::NoFrame);
    setLineWidth(1);
}

void PictureBox::mouseReleaseEvent(QMouseEvent *event)
{
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        Q_EMIT clicked();
}
