#include "testwindow.h"

TestEnvironment::TestEnvironment(const QString &executableDir)
{
    environment.executableDir = executableDir;
    if (environment.executableDir.endsWith(QLatin1Char('/')) && environment.executableDir.size() > 1)
        environment.executableDir.chop(1);
    environment.messages = &messages;
    environment.exit = &exit;
}
