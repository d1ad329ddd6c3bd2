#pragma once

#include "about/form2.h"
#include "calc/massrules.h"
#include "catalogue/catalogue.h"
#include "catalogue/form22.h"
#include "host/calculatorhost.h"
#include "platform/environment.h"
#include "session/calculatorsession.h"
#include "shell/mainstate.h"

#include <QHash>
#include <QPointer>
#include <QWidget>

#include <optional>

class DataPanelNote;
class DataSource;
class KindToolbar;
class QAction;
class SizeGrid;
class SurfaceColumnModel;

// The main window: the calculator. It shows the calculator session and hands its controls'
// events to it; the features beyond the calculator attach to it as their host. Handlers are
// named <control>_<event> after the layout's controls; the logic they need lives in the session
// and the core library.
class Form1 : public QWidget, public CalculatorHost
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Form1)

public:
    explicit Form1(const Environment &environment, QWidget *parent = nullptr);
    ~Form1() override;

    // The start-up. Returns false when the program had to end (the database could not be
    // attached); the window is then never shown.
    bool Form_Load();

    const MainState &state() const;
    DataSource *dataSource() const { return m_data; }
    Form2 *aboutWindow() const { return m_form2; }
    // The services the other windows reach through the main window (messages, the immediate end).
    const Environment &environment() const override { return m_env; }
    Form22 *enlargedPicture() const { return m_form22; }
    // The chosen kind; nothing before the first kind press and after a group press.
    const Catalogue::Kind *currentKind() const { return m_session->kind(); }

    // The host of the features.
    QWidget &parentWindow() override { return *this; }
    CalculatorSession &session() override { return *m_session; }
    SizeGrid &sizeGrid() override { return *grid(); }
    void addCommand(QAction *action, Places places) override;
    void addWindowCommand(QAction *action);
    void addGridCommand(QAction *action);
    void addResultCommand(QAction *action);

    // Shared operations of the handlers.
    CalcOutcome::Kind Recalculate();
    void ShowPicture();
    // The text of a 0-based column of the current row; nothing without a current row or
    // beyond the last column.
    std::optional<QString> ReadCell(int column) const;
    // The 0-based position of the current row, -1 without one.
    int CurrentRowPosition() const;
    // Reads the chosen kind's table again (its own sizes changed) and moves to the row as the
    // user's move would, drawing and rule included; without that row only the results are
    // recomputed.
    void RefreshSizes(int row);

    // Handlers.
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Label7_Click();
    void Command4_Click();
    void Command5_Click();
    void T1_ButtonClick(int index);
    void KindButtonClick(int toolbar, int index);
    void Image2_Click();
    void DBGrid2_RowColChange(int lastRow, int lastCol);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    // Made and wired by form1layout.cpp.
    void buildWindow();
    void setUpToolbars();
    void setUpContextMenus();
    void setCommandButton(QAction *action);
    void connectControls();
    void connectSession();
    void Form_Unload();

    // What shows the session.
    void showKind();
    void showInputsEnabled();
    void showOptions();
    void showInput(CalculatorSession::Input which, const QString &text);
    void followRow(int row);
    void showOutcome();
    void releaseOtherKindButtons();
    void endAfterDatabaseFailure();
    Catalogue::PipeAnswer askPipeTable();
    void copyToClipboard(const char *output);
    void resizeDataPanel(int twips);

    template<typename T> T *control(const char *name) const
    {
        return qobject_cast<T *>(m_controls.value(QString::fromLatin1(name)));
    }
    SizeGrid *grid() const;
    KindToolbar *toolbar(int number) const;

    Environment m_env;
    // The start-up's part of the state; the session's part is copied in when it is read.
    mutable MainState m_state;
    DataSource *m_data = nullptr;
    CalculatorSession *m_session = nullptr;
    SurfaceColumnModel *m_gridModel = nullptr;
    // The hint and the empty-table note over the grid, and the partial-table tooltip.
    DataPanelNote *m_panelNote = nullptr;
    QHash<QString, QWidget *> m_controls;
    QPointer<Form2> m_form2;
    QPointer<Form22> m_form22;
    QList<QAction *> m_resultCommands;
    // The grid follows a row the session moved to; that move is no user's and raises no row
    // change. The user's column is kept across a reading of the sizes.
    bool m_followingSession = false;
    int m_column = 0;
};
