// The program's start-up as one process: the main window built, loaded and shown, then quit
// at once. Measured from exec by scripts/bench-startup.sh.

#include "platform/boxmessages.h"
#include "platform/programexit.h"
#include "platform/registry.h"
#include "platform/urllauncher.h"
#include "shell/form1.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Windows"));
    BoxMessages messages;
    ImmediateExit exit;
    Environment environment;
    environment.executableDir = QStringLiteral(MORVEX_PROGRAM_DIR).chopped(1);
    environment.messages = &messages;
    environment.exit = &exit;
    const std::unique_ptr<Registry> registry = makeSystemRegistry(environment.executableDir);
    environment.registry = registry.get();
    SystemUrlLauncher launcher;
    environment.launcher = &launcher;
    Form1 window(environment);
    if (!window.Form_Load())
        return 1;
    window.show();
    QTimer::singleShot(0, &app, &QCoreApplication::quit);
    return app.exec();
}
