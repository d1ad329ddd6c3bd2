#pragma once

#include <QFlags>

class CalculatorSession;
class QAction;
class QWidget;
class SizeGrid;
struct Environment;

// What a feature beyond the calculator is handed of the main window, never the window's class:
// the window as the parent of its own windows, the calculator session it reads and changes, the
// size grid whose selection is the current size, the services of the program and a way to offer
// its commands. A feature attaches itself to this and looks up no control.
class CalculatorHost
{
public:
    // Where a command is offered. A window command's shortcut works wherever the focus is in
    // the window; a grid command is an entry of the size grid's context menu (its shortcut, in a
    // widget context, works while the grid has the focus); a result command is an entry of the
    // context menus of the two results; the command button is the window's one button for a
    // feature, beside the group toolbar, which shows the action's icon and triggers it.
    enum class Place { WindowKeys = 0x1, SizeGrid = 0x2, Results = 0x4, CommandButton = 0x8 };
    Q_DECLARE_FLAGS(Places, Place)

    virtual ~CalculatorHost() = default;

    virtual QWidget &parentWindow() = 0;
    virtual CalculatorSession &session() = 0;
    virtual SizeGrid &sizeGrid() = 0;
    virtual const Environment &environment() const = 0;
    virtual void addCommand(QAction *action, Places places) = 0;

protected:
    CalculatorHost() = default;
    CalculatorHost(const CalculatorHost &) = default;
    CalculatorHost &operator=(const CalculatorHost &) = default;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(CalculatorHost::Places)
