#include "platform/boxmessages.h"
#include "platform/programexit.h"
#include "platform/registry.h"
#include "platform/urllauncher.h"
#include "shell/form1.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // The classic look the layout was designed for: frame captions on the frame line, compact
    // option buttons.
    QApplication::setStyle(QStringLiteral("Windows"));
    BoxMessages messages;
    ImmediateExit exit;
    Environment environment;
    environment.executableDir = QCoreApplication::applicationDirPath();
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
    return app.exec();
}
