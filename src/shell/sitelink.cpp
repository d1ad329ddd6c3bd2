#include "shell/sitelink.h"

#include "platform/urllauncher.h"
#include "platform/maker.h"

#include <QDir>
#include <QMouseEvent>

namespace SiteLink {

QString address()
{
    return QString::fromLatin1(Maker::SiteAddress);
}

QString startDirectory(const QString &executableDir)
{
    return QDir::toNativeSeparators(executableDir);
}

void open(UrlLauncher &launcher, const QString &executableDir)
{
    launcher.open(startDirectory(executableDir), address());
}

} // namespace SiteLink

ClickFilter::ClickFilter(std::function<void()> onClick, QObject *parent)
    : QObject(parent)
    , m_onClick(std::move(onClick))
{
}

bool ClickFilter::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::LeftButton)
            m_pressedOn = watched;
    } else if (event->type() == QEvent::MouseButtonRelease) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::LeftButton && m_pressedOn == watched) {
            m_pressedOn = nullptr;
            // Released over the control: its own coordinates lie within its size.
            const QVariant size = watched->property("size");
            const QRect area(QPoint(0, 0), size.toSize());
            if (area.contains(mouse->position().toPoint()) && m_onClick)
                m_onClick();
        }
    }
    return QObject::eventFilter(watched, event);
}
