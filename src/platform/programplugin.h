#pragma once

#include <QObject>
#include <QString>

// The program's own plugins lie in the program directory's "plugins", each bringing with it
// libraries the program does not link (so a start that never needs them maps none of them).
// A plugin is loaded at its first use and kept for the program's run: a loader that goes out
// of scope keeps its plugin loaded, and a later one on the same file hands back the same root
// object.
namespace ProgramPlugin {

// Where a plugin of this file name lies. A directory of their own, so the package's tools take
// them for plugins, not for libraries of the system's that want ldconfig run.
QString path(const QString &programDir, const QString &fileName);

// The plugin's root object; null where the plugin is missing, damaged or made for another Qt,
// why then saying which.
QObject *rootObject(const QString &path, QString *why);

// The plugin's root object as the interface T; null, with why, where it is none as well.
template<typename T> T *load(const QString &path, QString *why)
{
    QObject *root = rootObject(path, why);
    T *found = qobject_cast<T *>(root);
    if (root && !found && why)
        *why = QStringLiteral("a plugin of another kind");
    return found;
}

} // namespace ProgramPlugin
