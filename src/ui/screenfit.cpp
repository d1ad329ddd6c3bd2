#include "ui/screenfit.h"

#include <algorithm>

namespace {

qint64 areaOf(const QRect &rect)
{
    return rect.isEmpty() ? 0 : qint64(rect.width()) * rect.height();
}

} // namespace

QRect FitOnScreens(const QRect &frame, const QList<QRect> &screens)
{
    if (screens.isEmpty())
        return frame;
    QRect screen = screens.first();
    for (const QRect &candidate : screens) {
        if (areaOf(candidate.intersected(frame)) > areaOf(screen.intersected(frame)))
            screen = candidate;
    }
    QRect fitted(frame.topLeft(), frame.size().boundedTo(screen.size()));
    fitted.moveLeft(std::clamp(fitted.left(), screen.left(), screen.right() - fitted.width() + 1));
    fitted.moveTop(std::clamp(fitted.top(), screen.top(), screen.bottom() - fitted.height() + 1));
    return fitted;
}
