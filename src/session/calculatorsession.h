#pragma once

#include "catalogue/catalogue.h"
#include "catalogue/productoption.h"
#include "catalogue/sizeselection.h"
#include "session/sessionstate.h"

#include <QList>
#include <QObject>
#include <QString>

#include <array>
#include <optional>

class DataSource;

// The calculator's state, with no widget: the chosen kind, the current size row, the product
// option, the four inputs as typed, the unit and precision state and the outcome. Everything that
// changes it (the main window's controls, the features, a kind chosen from elsewhere than a
// toolbar) goes through its operations; whatever shows it follows its signals. The size rows
// are those of the data source, which the session points at the chosen kind's record source.
class CalculatorSession : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CalculatorSession)

public:
    // The four inputs, in the order of CalcInputs' reading: width, length, pieces, area.
    enum class Input { Width, Length, Pieces, Area };
    Q_ENUM(Input)
    static constexpr int InputCount = 4;

    explicit CalculatorSession(DataSource &data, QObject *parent = nullptr);

    const SessionState &state() const { return m_state; }
    // The chosen kind; nothing before the first kind and after a group is chosen.
    const Catalogue::Kind *kind() const { return m_kind; }
    // Whether the sizes are shown, so that the results follow the inputs: from the start, and
    // from a kind chosen to the next group.
    bool sizesShown() const { return m_sizesShown; }
    // The 0-based position of the current size row, -1 without one.
    int row() const { return m_row; }
    // The text of a 0-based column of the current row; nothing without a current row or
    // beyond the last column.
    std::optional<QString> cell(int column) const;
    // Every cell of the current row; empty without one.
    QStringList rowCells() const;
    ProductOption option() const { return m_option; }
    // The product options offered now, in the order the window shows them.
    const QList<ProductOption> &shownOptions() const { return m_shownOptions; }
    const Catalogue::InputStates &enabledInputs() const { return m_enabled; }
    const QString &input(Input which) const { return m_inputs[int(which)]; }
    CalcInputs inputs() const;
    const CalcOutcome &outcome() const { return m_outcome; }
    DataSource &dataSource() const { return m_data; }

    // The calculation defaults of the start: kilograms, millimetres, one decimal.
    void applyDefaults();
    // A group chosen: no kind, no sizes, no product options.
    void chooseGroup();
    // The kind of the identity, its sizes read and the first one current; false when the base
    // cannot be read (databaseFailed has been raised) or the catalogue has no such kind.
    bool chooseKind(const QString &id);
    // The user's move to a row: the size rules of the kind applied, the results recomputed.
    void moveToRow(int row);
    // Reads the chosen kind's table again (its own sizes changed) and moves to the row as the
    // user's move would; without that row only the results are recomputed. False when the base
    // cannot be read.
    bool refreshSizes(int row);
    // The option chosen as the user's click chooses it, its rule applied.
    void chooseOption(ProductOption option);
    void setInput(Input which, const QString &text);
    void setPrecision(const QString &format);
    void setMassDivisor(int16_t divisor);
    void setLengthDivisor(int16_t divisor);
    // Shows a drawing other than the kind's (the pipes' question shows the program's own).
    void showDrawing(const QString &file);
    // Both results from the state, the inputs and the current row; nothing is computed while the
    // sizes are hidden.
    CalcOutcome::Kind recalculate();

Q_SIGNALS:
    // A kind was chosen, or none (a group).
    void kindChanged();
    void enabledInputsChanged();
    // The options shown or the option chosen changed.
    void optionsChanged();
    // The drawing of state().PictureFile is to be shown now (again, when it is the same).
    void drawingShown();
    // The current row changed: the user's move, or the session's own (a kind chosen, the
    // sizes read again), which the grid follows.
    void rowChanged(int row);
    void inputChanged(CalculatorSession::Input which, const QString &text);
    void outcomeChanged();
    // The chosen kind's sizes have been read.
    void sizesLoaded();
    // The base could not be read: the program ends.
    void databaseFailed();

private:
    bool reloadSizes();
    bool applyRow(const SizeSelection::RowSelection &selection);
    void setRule(const SizeSelection::RowRule &rule);
    void setOutcome(const CalcOutcome &outcome);
    CellReader cellReader() const;

    DataSource &m_data;
    SessionState m_state;
    const Catalogue::Kind *m_kind = nullptr;
    bool m_sizesShown = true;
    int m_row = -1;
    // "3мм" is chosen at the start, before any mesh is.
    ProductOption m_option = ProductOption::Wire3;
    QList<ProductOption> m_shownOptions;
    Catalogue::InputStates m_enabled{true, true, true, true};
    std::array<QString, InputCount> m_inputs;
    CalcOutcome m_outcome;
};
