#include "testwindow.h"

#include "shell/programlist.h"

TestEnvironment::TestEnvironment(const QString &executableDir)
{
    environment.executableDir = executableDir;
    if (environment.executableDir.endsWith(QLatin1Char('/')) && environment.executableDir.size() > 1)
        environment.executableDir.chop(1);
    environment.messages = &messages;
    environment.exit = &exit;
    environment.launcher = &launcher;
    environment.registry = &registry;
    const ProgramList::Location location = ProgramList::location();
    registry.setValue(Registry::LocalMachine, location.keyPath, location.valueName,
                      listDir.path().toLocal8Bit());
    environment.rootDir = rootDir.path() + QLatin1Char('/');
    environment.userDataDir = userData.path() + QStringLiteral("/morvex");
    environment.homeDir = home.path();
}
