#pragma once

#include "bom/bomitem.h"

#include <QList>
#include <QObject>
#include <QUndoStack>

// The materials list: items kept grouped by standard, a group in the order its first item came
// and the items of a group in the order the user gave them. Every change goes through the undo
// stack, so the last change (and the ones before it) can be taken back.
class BillOfMaterials : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(BillOfMaterials)

public:
    struct Group
    {
        QString standard;
        int first = 0; // position of its first item
        int count = 0;
        double totalKg = 0;
    };

    explicit BillOfMaterials(QObject *parent = nullptr);
    ~BillOfMaterials() override;

    const QList<BomItem> &items() const { return m_items; }
    int count() const { return int(m_items.size()); }

    // Adds an item at the end of its standard's group, or a new group at the end; returns its
    // position.
    int add(const BomItem &item);
    // The length (the area under the per-area rule) or the number of pieces of an item, its
    // masses worked out again; false, and nothing changed, where withLength / withQuantity give
    // nothing or the figure is the same.
    bool setLength(int position, double value);
    bool setQuantity(int position, double value);
    // Removes the items at these positions (in any order; repeated and unknown ones ignored).
    bool remove(QList<int> positions);
    // Moves an item one place up (-1) or down (+1) within its group; false at the group's edge.
    bool move(int position, int step);
    // Puts these items in place of the list (a file opened by the user), grouped.
    void replaceAll(const QList<BomItem> &items, const QString &description);
    // The list as it was read at start: no change of the user's, so nothing to undo and no
    // notice of a change.
    void load(const QList<BomItem> &items);

    QUndoStack *undoStack() { return &m_undo; }

    const QList<Group> &groups() const;
    double totalKg() const;

    // Stable regrouping: groups in the order their first item comes, items in order within.
    static QList<BomItem> grouped(const QList<BomItem> &items);

    // Used by the undo commands; they keep the list grouped themselves.
    void insertAt(int position, const BomItem &item);
    BomItem takeAt(int position);
    void setAt(int position, const BomItem &item);
    void moveItem(int from, int to);
    void setAll(const QList<BomItem> &items);

Q_SIGNALS:
    // After every change of the user's, its undo and its redo.
    void changed();
    // The list was put in place by load(): shown anew, but not the user's change.
    void loaded();

private:
    void touch();

    QList<BomItem> m_items;
    QUndoStack m_undo;
    mutable QList<Group> m_groups;
    mutable bool m_groupsValid = false;
};
