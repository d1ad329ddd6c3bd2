#pragma once

#include "catalogue/kindtoolbar.h"
#include "namedcontrol.h"
#include "programfixture.h"
#include "shell/form1.h"
#include "testwindow.h"

#include <QAbstractItemModel>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTableView>
#include <QToolButton>

#include <memory>

// A main window over a program directory of the test's making, driven the way a user drives
// it: toolbar buttons pressed, inputs typed, options clicked, grid rows chosen.
class CalculatorWindow
{
public:
    explicit CalculatorWindow(const QList<ProgramFixture::Table> &tables)
    {
        fixture.writeBase(tables);
        fixture.writePictures();
        open();
    }
    explicit CalculatorWindow(bool builtBase)
    {
        if (builtBase)
            fixture.copyBuiltBase();
        fixture.writePictures();
        open();
    }

    template<typename T = QWidget> T *get(const char *name) const
    {
        return namedControl<T>(window.get(), name);
    }

    void press(int toolbar, int button)
    {
        get<KindToolbar>(qPrintable(QStringLiteral("T%1").arg(toolbar)))->button(button)->click();
    }
    // A kind button of a group, after showing the group's toolbar.
    void choose(int toolbar, int button)
    {
        press(1, toolbar - 1);
        press(toolbar, button);
    }
    void type(const char *input, const QString &text) { get<QLineEdit>(input)->setText(text); }
    void click(const char *option) { get<QRadioButton>(option)->click(); }
    void selectRow(int row, int column = 0)
    {
        QTableView *grid = get<QTableView>("DBGrid2");
        grid->setCurrentIndex(grid->model()->index(row, column));
    }
    QString text(const char *name) const { return get<QLineEdit>(name)->text(); }
    const MainState &state() const { return window->state(); }

    ProgramFixture fixture;
    std::unique_ptr<TestEnvironment> env;
    std::unique_ptr<Form1> window;

private:
    void open()
    {
        env = std::make_unique<TestEnvironment>(fixture.dir());
        window = std::make_unique<Form1>(env->environment);
        window->Form_Load();
        window->show();
    }
};
