// The least a Qt program of this kind costs to start: a main window with a table view and a
// few line edits, shown, then quit at once.

#include <QApplication>
#include <QLineEdit>
#include <QMainWindow>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    auto *central = new QWidget;
    auto *layout = new QVBoxLayout(central);
    layout->addWidget(new QTableView);
    for (int i = 0; i < 6; ++i)
        layout->addWidget(new QLineEdit);
    window.setCentralWidget(central);
    window.show();
    QTimer::singleShot(0, &app, &QCoreApplication::quit);
    return app.exec();
}
