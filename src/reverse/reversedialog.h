#pragma once

#include "reverse/reverserules.h"

#include <QDialog>
#include <QHash>

class CalculatorHost;
class CalculatorSession;
class QLabel;
class QLineEdit;
class QRadioButton;

// "Пересчёт из массы": a mass typed in kilograms or tonnes, and what gives it by the chosen
// kind's rule (the length of one piece, the pieces, the area or the sheets). "Применить" writes
// that value into the session's input, which recomputes by its own rules.
class ReverseDialog : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ReverseDialog)

public:
    ReverseDialog(CalculatorSession &session, QWidget *window);

    // The command "Пересчёт из массы…" (Ctrl+M, and in the results' context menus).
    static void attachTo(CalculatorHost &host);
    // Opens a new dialog over the main window, the mass field focused; it goes when closed.
    static ReverseDialog *openOver(CalculatorHost &host);

    const ReverseRules::Outcome &outcome() const { return m_outcome; }

    void Apply_Click();

private:
    void buildControls();
    void fillFromWindow();
    void recompute();
    void showOutcome();
    QString lengthUnit() const;
    std::optional<CalcState> ruleState() const;
    template<typename T> T *control(const char *name) const;

    CalculatorSession &m_session;
    QHash<QString, QWidget *> m_controls;
    ReverseRules::Outcome m_outcome;
};
