// The program's start-up as one process: the main window built, loaded and shown, then quit
// at once. Measured from exec by scripts/bench-startup.sh.

#include "shell/form1.h"
#include "shell/systemservices.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    SystemServices::prepareApplication();
    const SystemServices services(QStringLiteral(MORVEX_PROGRAM_DIR).chopped(1));
    Form1 window(services.environment());
    if (!window.Form_Load())
        return 1;
    window.show();
    QTimer::singleShot(0, &app, &QCoreApplication::quit);
    return app.exec();
}
