#pragma once

#include <QWidget>

class Form1;

// The About/Help window.
class Form2 : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Form2)

public:
    // The main window hands over the program directory through its Text14.
    explicit Form2(Form1 *mainWindow);

private:
    Form1 *m_main;
};
