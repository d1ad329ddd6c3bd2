#include "catalogue/picturebox.h"

#include "catalogue/picturefit.h"
#include "ui/twips.h"

#include <QMouseEvent>
#include <QPixmap>

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

bool PictureBox::showFitted(const QPixmap &picture)
{
    hide();
    setStretch(false);
    const std::optional<PictureFit> fit =
        picture.isNull() ? std::nullopt
                         : FitPicture(PixelsToTwips(picture.width()), PixelsToTwips(picture.height()));
    if (!fit)
        return false;
    setPixmap(picture);
    setBorderStyle(1);
    setGeometry(Twips::rect(fit->left, fit->top, fit->width, fit->height));
    setStretch(true);
    show();
    return true;
}
