#include "shell/programdir.h"

QString programDirFrom(const QString &executableDir)
{
    if (executableDir.endsWith(QLatin1Char('/')) || executableDir.endsWith(QLatin1Char('\\')))
        return executableDir;
    return executableDir + QLatin1Char('/');
}
