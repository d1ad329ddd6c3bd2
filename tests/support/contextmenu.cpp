#include "contextmenu.h"

#include <QAction>
#include <QApplication>
#include <QTimer>
#include <QWidget>

QStringList contextMenuEntries(QWidget *owner, QPoint at)
{
    QStringList entries;
    QTimer::singleShot(0, owner, [&entries] {
        if (QWidget *popup = QApplication::activePopupWidget()) {
            for (const QAction *action : popup->actions())
                entries.append(action->text());
            popup->close();
        }
    });
    Q_EMIT owner->customContextMenuRequested(at);
    return entries;
}
