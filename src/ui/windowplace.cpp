#include "ui/windowplace.h"

#include "ui/screenfit.h"
#include "ui/twips.h"

#include <QGuiApplication>
#include <QMargins>
#include <QScreen>
#include <QSettings>
#include <QWidget>

#include <optional>

namespace WindowPlace {

namespace {

const QString X = QStringLiteral("x");
const QString Y = QStringLiteral("y");
const QString Width = QStringLiteral("width");
const QString Height = QStringLiteral("height");

std::optional<QRect> kept(const QString &settingsFile, const QString &window)
{
    if (settingsFile.isEmpty())
        return std::nullopt;
    QSettings settings(settingsFile, QSettings::IniFormat);
    settings.beginGroup(window);
    bool ok[4] = {};
    const QRect rect(settings.value(X).toInt(&ok[0]), settings.value(Y).toInt(&ok[1]),
                     settings.value(Width).toInt(&ok[2]), settings.value(Height).toInt(&ok[3]));
    if (!(ok[0] && ok[1] && ok[2] && ok[3]) || rect.width() <= 0 || rect.height() <= 0)
        return std::nullopt;
    return rect;
}

QList<QRect> availableScreens()
{
    QList<QRect> screens;
    if (const QScreen *primary = QGuiApplication::primaryScreen())
        screens.append(primary->availableGeometry());
    for (const QScreen *screen : QGuiApplication::screens())
        if (screen != QGuiApplication::primaryScreen())
            screens.append(screen->availableGeometry());
    return screens;
}

} // namespace

void restore(QWidget &window, const QString &settingsFile, QPoint firstPlace, const QWidget &frameLike)
{
    const QRect outer = frameLike.frameGeometry();
    const QRect inner = frameLike.geometry();
    const QMargins frame(inner.left() - outer.left(), inner.top() - outer.top(),
                         outer.right() - inner.right(), outer.bottom() - inner.bottom());
    const QRect wanted = kept(settingsFile, window.objectName())
                             .value_or(QRect(firstPlace + QPoint(frame.left(), frame.top()), window.size()));
    window.setGeometry(FitOnScreens(wanted.marginsAdded(frame), availableScreens()).marginsRemoved(frame));
}

void save(const QWidget &window, const QString &settingsFile)
{
    if (settingsFile.isEmpty())
        return;
    const QRect rect = window.normalGeometry();
    QSettings settings(settingsFile, QSettings::IniFormat);
    settings.beginGroup(window.objectName());
    settings.setValue(X, rect.x());
    settings.setValue(Y, rect.y());
    settings.setValue(Width, rect.width());
    settings.setValue(Height, rect.height());
}

// The main window's frame and the window's size with the same borders: the places beside it, in
// the order a user looks for them.
void besideOf(QWidget &window, const QWidget &main)
{
    const QScreen *screen = main.screen();
    if (!screen)
        return;
    const QRect room = screen->availableGeometry();
    const QRect frame = main.frameGeometry();
    // The window manager's borders, as the main window has them.
    const QSize outer = window.size() + frame.size() - main.size();
    const int gap = Twips::toPixels(120);
    const QPoint places[] = {
        {frame.right() + 1 + gap, frame.top()},
        {frame.left() - gap - outer.width(), frame.top()},
        {frame.left(), frame.bottom() + 1 + gap},
        {frame.left(), frame.top() - gap - outer.height()},
    };
    for (const QPoint &at : places) {
        if (room.contains(QRect(at, outer))) {
            window.move(at);
            return;
        }
    }
}


} // namespace WindowPlace
