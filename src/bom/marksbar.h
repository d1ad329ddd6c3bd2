#pragma once

#include <QList>
#include <QToolBar>

#include <functional>

class BillOfMaterials;
class QComboBox;

// The list window's bar of marks: a steel grade and a group of construction elements, each
// chosen from the offered ones or typed, given at once to the selected items and kept for the
// items added next (Ctrl+G).
class MarksBar : public QToolBar
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(MarksBar)

public:
    using Selection = std::function<QList<int>()>;

    MarksBar(BillOfMaterials &list, Selection selected, QWidget *parent = nullptr);

    QComboBox *grade() const { return m_grade; }
    QComboBox *group() const { return m_group; }
    // Gives the marks to the selected items and keeps them for the next ones.
    void apply();

Q_SIGNALS:
    // What applying did, for the window's foot.
    void told(const QString &text);

private:
    void showNextMarks();

    BillOfMaterials &m_list;
    Selection m_selected;
    QComboBox *m_grade;
    QComboBox *m_group;
};
