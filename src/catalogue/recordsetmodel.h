#pragma once

#include <QAbstractTableModel>
#include <QList>
#include <QStringList>

// The rows of a record source, every cell as the text stored in the base. Holding all rows
// at once keeps the row positions complete. The grid shows each figure as stored but for the
// regional decimal separator; cell() gives the stored text.
// The rows after the base's are the user's own sizes: the grid shows them marked.
class RecordSetModel : public QAbstractTableModel
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(RecordSetModel)

public:
    explicit RecordSetModel(QObject *parent = nullptr);

    // baseRows: how many of the rows come from the base; -1 for all of them.
    void reset(const QStringList &columns, QList<QStringList> rows, int baseRows = -1);
    void clear();
    QString cell(int row, int column) const;
    int baseRowCount() const { return m_baseRows; }
    bool isOwnRow(int row) const { return row >= m_baseRows && row < m_rows.size(); }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

private:
    QStringList m_columns;
    QList<QStringList> m_rows;
    int m_baseRows = 0;
};
