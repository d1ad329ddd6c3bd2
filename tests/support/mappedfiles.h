#pragma once

#include <QString>
#include <QStringList>

// The files mapped into this process (read from /proc/self/maps) whose names hold the text: how
// the tests see which libraries and plugins a step of the program has loaded.
QStringList mappedFiles(const QString &text);
