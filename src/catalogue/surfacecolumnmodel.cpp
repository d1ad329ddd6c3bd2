#include "catalogue/surfacecolumnmodel.h"

#include "catalogue/kindsurface.h"
#include "catalogue/recordsetmodel.h"

#include <QLocale>

namespace {

// Four decimals: a thin wire's surface (0.5 mm: 0.0016 m²/m) keeps its figure.
constexpr int SurfaceDecimals = 4;

} // namespace

SurfaceColumnModel::SurfaceColumnModel(RecordSetModel &records, QObject *parent)
    : QAbstractTableModel(parent)
    , m_records(records)
{
    // The record set is only ever read anew as a whole.
    connect(&m_records, &QAbstractItemModel::modelAboutToBeReset, this, &SurfaceColumnModel::beginResetModel);
    connect(&m_records, &QAbstractItemModel::modelReset, this, &SurfaceColumnModel::endResetModel);
}

void SurfaceColumnModel::setKind(const Catalogue::Kind *kind)
{
    if (kind == m_kind)
        return;
    beginResetModel();
    m_kind = kind;
    endResetModel();
}

int SurfaceColumnModel::surfaceColumn() const
{
    const int columns = m_records.columnCount();
    return m_kind && KindSurface::hasSurface(*m_kind) && columns > 0 ? columns : -1;
}

int SurfaceColumnModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_records.rowCount();
}

int SurfaceColumnModel::columnCount(const QModelIndex &parent) const
{
    if (parent.isValid())
        return 0;
    return m_records.columnCount() + (surfaceColumn() >= 0 ? 1 : 0);
}

QVariant SurfaceColumnModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return QVariant();
    if (index.column() != surfaceColumn())
        return m_records.data(m_records.index(index.row(), index.column()), role);
    if (role == Qt::DisplayRole)
        return surfaceText(index.row());
    // The user's own rows are marked across the whole row.
    return m_records.data(m_records.index(index.row(), 0), role);
}

QVariant SurfaceColumnModel::surfaceText(int row) const
{
    const auto cell = [this, row](int column) -> std::optional<QString> {
        if (column < 0 || column >= m_records.columnCount())
            return std::nullopt;
        return m_records.cell(row, column);
    };
    const std::optional<double> surface = KindSurface::perUnit(*m_kind, row, cell);
    return surface ? QLocale().toString(*surface, 'f', SurfaceDecimals) : QString();
}

QVariant SurfaceColumnModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && section == surfaceColumn()
        && (role == Qt::DisplayRole || role == Qt::ToolTipRole))
        return KindSurface::heading(*m_kind);
    return m_records.headerData(section, orientation, role);
}

Qt::ItemFlags SurfaceColumnModel::flags(const QModelIndex &index) const
{
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}
