#pragma once

#include "sizesearch/sizesearch.h"

#include <QDialog>
#include <QHash>

class CalculatorHost;
class CalculatorSession;
class QTableView;

// "Найти размер": the user types a size as a designer writes it; Enter moves the size grid to
// the first row that begins with it, Enter again to the next one. Without a match the dialog
// says so and the grid stays where it is. Esc closes the dialog, which keeps what was typed.
class SizeSearchDialog : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SizeSearchDialog)

public:
    explicit SizeSearchDialog(CalculatorHost &host);

    // The command "Найти размер…" (Ctrl+F, and in the size grid's context menu); text typed on
    // the size grid opens the dialog with that text in the size field.
    static void attachTo(CalculatorHost &host);
    // Shows the window's search dialog, made at the first call, the size field focused.
    static SizeSearchDialog *openOver(CalculatorHost &host);
    // The same, the size field holding the text typed so far, the cursor after it.
    static SizeSearchDialog *openWith(CalculatorHost &host, const QString &typed);

    void Find_Click();

private:
    template<typename T> T *control(const char *name) const;

    CalculatorSession &m_session;
    QTableView &m_grid;
    SizeSearch m_search;
    QHash<QString, QWidget *> m_controls;
};
