#include "catalogue/sizegrid.h"

#include <algorithm>

SizeGrid::SizeGrid(QWidget *parent)
    : QTableView(parent)
{
    setTabKeyNavigation(false);
}

void SizeGrid::setInputs(const QList<QWidget *> &inputs)
{
    m_inputs.clear();
    for (QWidget *input : inputs)
        m_inputs.append(input);
}

void SizeGrid::keyboardSearch(const QString &search)
{
    // Backspace, Escape and the other control keys carry text too; only what can be read is
    // handed on.
    if (std::any_of(search.cbegin(), search.cend(), [](QChar c) { return c.isPrint(); }))
        Q_EMIT textTyped(search);
}

bool SizeGrid::focusNextPrevChild(bool next)
{
    QList<QPointer<QWidget>> order = m_inputs;
    if (!next)
        std::reverse(order.begin(), order.end());
    for (const QPointer<QWidget> &input : std::as_const(order)) {
        if (input && input->isEnabled() && input->isVisible()) {
            input->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return true;
        }
    }
    return QTableView::focusNextPrevChild(next);
}
