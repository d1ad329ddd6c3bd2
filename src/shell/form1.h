#pragma once

#include "about/form2.h"
#include "shell/environment.h"
#include "shell/mainstate.h"

#include <QHash>
#include <QPointer>
#include <QWidget>

class DataSource;
class KindToolbar;
class PictureBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTableView;

// The main window: the calculator. Handlers are named <control>_<event> after the layout's
// controls; the logic they need lives in the core library.
class Form1 : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Form1)

public:
    explicit Form1(const Environment &environment, QWidget *parent = nullptr);
    ~Form1() override;

    // The start-up. Returns false when the program had to end (the database could not be
    // attached); the window is then never shown.
    bool Form_Load();

    const MainState &state() const { return m_state; }
    DataSource *dataSource() const { return m_data; }
    Form2 *aboutWindow() const { return m_form2; }

    void Command3_Click();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildWindow();
    void registerInProgramList();
    void Form_Unload();
    template<typename T> T *control(const char *name) const;

    Environment m_env;
    MainState m_state;
    DataSource *m_data = nullptr;
    QHash<QString, QWidget *> m_controls;
    QPointer<Form2> m_form2;
    QPointer<QWidget> m_form22;
};
