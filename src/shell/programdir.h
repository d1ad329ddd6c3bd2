#pragma once

#include <QString>

// The program directory: the executable's directory ending in exactly one separator. A
// filesystem root ("/", "C:/", "C:\") already ends in its separator and gets none added.
QString programDirFrom(const QString &executableDir);
