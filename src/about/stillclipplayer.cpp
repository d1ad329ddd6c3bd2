#include "about/stillclipplayer.h"

StillClipPlayer::StillClipPlayer(QWidget *window)
    : StretchedImage(QPixmap(QStringLiteral(":/images/clip.png")), false)
{
    setParent(window);
}

bool StillClipPlayer::setFileName(const QString &)
{
    return true;
}
