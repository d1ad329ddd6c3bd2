#include "shell/form1.h"
#include "shell/systemservices.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    SystemServices::prepareApplication();
    const SystemServices services(QCoreApplication::applicationDirPath());

    Form1 window(services.environment());
    if (!window.Form_Load())
        return 1;
    window.show();
    return app.exec();
}
