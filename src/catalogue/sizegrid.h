#pragma once

#include <QList>
#include <QPointer>
#include <QTableView>

// The size grid. Its rows are the sizes the computation reads, so a key typed on it never moves
// to another size by itself: the item view's keyboard search is off, and what is typed is handed
// on (to the size search) instead. Tab and Shift+Tab leave the grid for the calculator's inputs
// rather than walking through its cells into the next size.
class SizeGrid : public QTableView
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SizeGrid)

public:
    explicit SizeGrid(QWidget *parent = nullptr);

    // The inputs in their order on the window: Tab goes to the first of them that can take the
    // focus, Shift+Tab to the last.
    void setInputs(const QList<QWidget *> &inputs);

    void keyboardSearch(const QString &search) override;

Q_SIGNALS:
    // Printable text typed while the grid has the focus.
    void textTyped(const QString &text);

protected:
    bool focusNextPrevChild(bool next) override;

private:
    QList<QPointer<QWidget>> m_inputs;
};
