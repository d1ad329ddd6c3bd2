#pragma once

#include "about/form2.h"
#include "calc/massrules.h"
#include "catalogue/catalogue.h"
#include "catalogue/form22.h"
#include "shell/environment.h"
#include "shell/mainstate.h"

#include <QHash>
#include <QPointer>
#include <QWidget>

#include <optional>

class DataPanelNote;
class DataSource;
class KindToolbar;
class QAction;
class PictureBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class SizeGrid;

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
    // The services the other windows reach through the main window (messages, the immediate end).
    const Environment &environment() const { return m_env; }
    Form22 *enlargedPicture() const { return m_form22; }
    // The kind of the last kind press; nothing before the first one and after a group press.
    const std::optional<Catalogue::Kind> &currentKind() const { return m_kind; }

    // The commands of the features beyond the calculator reach the user through the window's
    // keys and context menus, so the designed window keeps its controls. A window command's
    // shortcut works wherever the focus is in the window; a grid command is an entry of the size
    // grid's context menu (its shortcut, in a widget context, works while the grid has the
    // focus); a result command is an entry of the context menus of the two results. One action
    // may be given to several places.
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
    void buildWindow();
    void setUpToolbars();
    void connectHandlers();
    void setUpContextMenus();
    // Hangs the commands of the features on the window (form1features.cpp).
    void attachFeatures();
    void registerInProgramList();
    void LookUpListDir();
    void Form_Unload();

    void hideProductOptions();
    void setInputsEnabled(const Catalogue::InputStates &states);
    void selectProductOption(const char *name);
    void applyCellShape(int16_t massColumn);
    bool applyWireFactor(double k);
    void showOutcome(const CalcOutcome &outcome);
    void endAfterDatabaseFailure();
    void copyToClipboard(const char *output);
    void resizeDataPanel(int twips);

    template<typename T> T *control(const char *name) const;
    SizeGrid *grid() const;
    KindToolbar *toolbar(int number) const;

    Environment m_env;
    MainState m_state;
    DataSource *m_data = nullptr;
    // The hint and the empty-table note over the grid, and the partial-table tooltip.
    DataPanelNote *m_panelNote = nullptr;
    QHash<QString, QWidget *> m_controls;
    QPointer<Form2> m_form2;
    QPointer<Form22> m_form22;
    std::optional<Catalogue::Kind> m_kind;
    QList<QAction *> m_resultCommands;
    // Moving the grid to the first row after a refresh is the data source's doing, not the
    // user's: it raises no row change.
    bool m_refreshing = false;
};
