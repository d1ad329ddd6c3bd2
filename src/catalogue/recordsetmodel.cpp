#include "catalogue/recordsetmodel.h"

#include "catalogue/celldisplay.h"

#include <QColor>

#include <algorithm>

namespace {

// The user's own rows stand out from the grid's green.
const QColor OwnRowBackground(255, 255, 200);

} // namespace

RecordSetModel::RecordSetModel(QObject *parent)
    : QAbstractTableModel(parent)
{
}

void RecordSetModel::reset(const QStringList &columns, QList<QStringList> rows, int baseRows)
{
    beginResetModel();
    m_columns = columns;
    m_rows = std::move(rows);
    m_baseRows = baseRows < 0 ? int(m_rows.size()) : std::min(baseRows, int(m_rows.size()));
    endResetModel();
}

void RecordSetModel::clear()
{
    reset({}, {});
}

QString RecordSetModel::cell(int row, int column) const
{
    if (row < 0 || row >= m_rows.size() || column < 0 || column >= m_columns.size())
        return QString();
    return m_rows.at(row).value(column);
}

int RecordSetModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int RecordSetModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_columns.size());
}

QVariant RecordSetModel::data(const QModelIndex &index, int role) const
{
    if (index.isValid() && isOwnRow(index.row())) {
        if (role == Qt::BackgroundRole)
            return OwnRowBackground;
        if (role == Qt::ToolTipRole)
            return QStringLiteral("Свой размер");
    }
    if (role != Qt::DisplayRole || !index.isValid())
        return QVariant();
    // Shown with the regional decimal separator; cell() keeps the stored text for the rules.
    return DisplayedCell(cell(index.row(), index.column()));
}

QVariant RecordSetModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    // The whole column name as the header's tooltip: the narrow columns cut it.
    if (role == Qt::ToolTipRole && orientation == Qt::Horizontal)
        return m_columns.value(section);
    if (role != Qt::DisplayRole)
        return QVariant();
    if (orientation == Qt::Horizontal)
        return m_columns.value(section);
    return QString();
}

Qt::ItemFlags RecordSetModel::flags(const QModelIndex &index) const
{
    // Read-only: the user may only move the current cell.
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}
