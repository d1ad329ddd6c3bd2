#pragma once

#include "bom/bomitem.h"
#include "bom/specsettingsfile.h"

#include <QList>
#include <QObject>
#include <QUndoStack>

#include <cstdint>

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
        double totalKg = 0;       // of the printed lines
        std::int64_t grams = 0;   // the same, exactly
    };

    explicit BillOfMaterials(QObject *parent = nullptr);
    ~BillOfMaterials() override;

    const QList<BomItem> &items() const { return m_items; }
    int count() const { return int(m_items.size()); }

    // Adds an item at the end of its standard's group, or a new group at the end; an item the
    // same as one in the list (BomItem::sameAs) adds its quantity to that one's instead. Returns
    // the position of its line.
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

    // The marks the items added next take: the steel grade and group of elements last set.
    QString nextGrade() const { return m_settings.nextGrade; }
    QString nextGroup() const { return m_settings.nextGroup; }
    void setNextMarks(const QString &grade, const QString &group);
    // The line over the forms, the unit, the allowance and the next marks, kept with the list;
    // no change of the items, so not undone with them.
    const SpecSettings &settings() const { return m_settings; }
    void setSettings(const SpecSettings &settings);
    // The settings as read at start: no change of the user's.
    void loadSettings(const SpecSettings &settings) { m_settings = settings; }
    // Gives these items the grade and group (their masses worked out again for the grade's
    // density), as one change; false where nothing changes.
    bool setMarks(const QList<int> &positions, const QString &grade, const QString &group);

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
    // The user changed the settings.
    void settingsChanged();

private:
    void touch();

    QList<BomItem> m_items;
    SpecSettings m_settings;
    QUndoStack m_undo;
    mutable QList<Group> m_groups;
    mutable bool m_groupsValid = false;
};
