#pragma once

#include <QObject>
#include <QString>
#include <QWidget>

// The child of a window under test that carries the given object name. A name that finds none
// ends the run at once with that name, so a renamed control reads as such and not as a null
// pointer further on.
template<typename T = QWidget> T *namedControl(const QObject *parent, const char *name)
{
    T *child = parent->findChild<T *>(QString::fromLatin1(name));
    if (!child)
        qFatal("no control %s", name);
    return child;
}
