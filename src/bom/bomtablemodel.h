#pragma once

#include "bom/billofmaterials.h"
#include "bom/bomtable.h"

#include <QAbstractTableModel>
#include <QList>

// The grouped table of the materials list for a view: heading, item, subtotal and total lines;
// an item's length (area) and quantity can be edited, which goes to the list as an undoable
// change. A heading's text stands in the first column, a total's label too, so a view can span
// them over the columns before the mass.
class BomTableModel : public QAbstractTableModel
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(BomTableModel)

public:
    explicit BomTableModel(BillOfMaterials &list, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;

    BomTable::RowKind rowKind(int row) const { return m_rows.at(row).kind; }
    // The list position of an item line, -1 for other lines.
    int itemAt(int row) const;
    // The line of a list position.
    int rowOf(int position) const;

    // The printed columns, then the grade and the group (the property class is in the size).
    static constexpr int ShownColumns = BomTable::Group + 1;

Q_SIGNALS:
    // An edit of a length or quantity was not taken, and why, in the program's words.
    void refused(const QString &why);
    // An edit is about to change the list, and has changed it.
    void aboutToEdit();
    void edited();

private:
    void rebuild();

    BillOfMaterials &m_list;
    QList<BomTable::Row> m_rows;
    QList<int> m_rowOfItem;
};
