#pragma once

#include "catalogue/catalogue.h"

#include <QAbstractTableModel>

class RecordSetModel;

// What the size grid shows: the record set's rows and columns as they are, and after them, for
// a kind with a surface rule, the outer surface of each size ("Площадь пов., м2/м", m² a square
// metre for sheet), worked out from the row's own cells. The record set stays what the rules
// and the features read; this column is for the eye only.
class SurfaceColumnModel : public QAbstractTableModel
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SurfaceColumnModel)

public:
    explicit SurfaceColumnModel(RecordSetModel &records, QObject *parent = nullptr);

    // The kind whose rule the column follows; nullptr (a group): no column.
    void setKind(const Catalogue::Kind *kind);
    // The column of the surface; -1 while there is none.
    int surfaceColumn() const;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

private:
    QVariant surfaceText(int row) const;

    RecordSetModel &m_records;
    const Catalogue::Kind *m_kind = nullptr;
};
