#include "bom/bomtablemodel.h"

#include <QFont>

using BomTable::RowKind;

BomTableModel::BomTableModel(BillOfMaterials &list, QObject *parent)
    : QAbstractTableModel(parent)
    , m_list(list)
{
    connect(&m_list, &BillOfMaterials::changed, this, &BomTableModel::rebuild);
    connect(&m_list, &BillOfMaterials::loaded, this, &BomTableModel::rebuild);
    rebuild();
}

void BomTableModel::rebuild()
{
    beginResetModel();
    m_rows = BomTable::rows(m_list);
    m_rowOfItem = QList<int>(m_list.count(), -1);
    for (int r = 0; r < m_rows.size(); ++r)
        if (m_rows.at(r).kind == RowKind::Item)
            m_rowOfItem[m_rows.at(r).item] = r;
    endResetModel();
}

int BomTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int BomTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ShownColumns;
}

int BomTableModel::itemAt(int row) const
{
    return row >= 0 && row < m_rows.size() ? m_rows.at(row).item : -1;
}

int BomTableModel::rowOf(int position) const
{
    return m_rowOfItem.value(position, -1);
}

QVariant BomTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    const BomTable::Row &row = m_rows.at(index.row());
    const int column = index.column();
    const bool item = row.kind == RowKind::Item;
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        if (!item && row.kind != RowKind::GroupHeading && column == BomTable::Number)
            return BomTable::cell(m_list, row, BomTable::Name);
        if (!item && column == BomTable::Name)
            return QString();
        if (item && column == BomTable::Grade)
            return BomTable::gradeText(m_list.items().at(row.item));
        if (item && column == BomTable::Group)
            return m_list.items().at(row.item).group;
        return BomTable::cell(m_list, row, column);
    case Qt::FontRole:
        if (!item) {
            QFont bold;
            bold.setBold(true);
            return bold;
        }
        return {};
    case Qt::TextAlignmentRole: {
        const bool right = (item && column >= BomTable::Length) || column == BomTable::Mass
                           || (!item && row.kind != RowKind::GroupHeading);
        return int((right ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
    }
    case Qt::ToolTipRole:
        if (item && column == BomTable::Name)
            return m_list.items().at(row.item).title;
        return {};
    default:
        return {};
    }
}

QVariant BomTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    return (BomTable::headings(m_list.items()) + BomTable::markHeadings()).value(section);
}

Qt::ItemFlags BomTableModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    const int position = itemAt(index.row());
    if (position < 0)
        return flags;
    const BomItem &item = m_list.items().at(position);
    if ((index.column() == BomTable::Length && item.hasLength())
        || (index.column() == BomTable::Quantity && item.hasQuantity()))
        flags |= Qt::ItemIsEditable;
    return flags;
}

bool BomTableModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable))
        return false;
    // The view puts the old value back on a refusal: the user is told why, or the typing
    // would seem lost.
    const QString text = value.toString().trimmed();
    const std::optional<double> figure = BomTable::readFigure(text);
    if (!figure) {
        Q_EMIT refused(QStringLiteral("«%1» не принято: нужно число не меньше нуля.").arg(text));
        return false;
    }
    const int position = itemAt(index.row());
    const BomItem &item = m_list.items().at(position);
    const bool length = index.column() == BomTable::Length;
    if (*figure == (length ? item.lengthValue() : item.inputs.pieces))
        return false; // the same value: nothing to change, nothing to tell
    Q_EMIT aboutToEdit();
    if (length ? m_list.setLength(position, *figure) : m_list.setQuantity(position, *figure)) {
        Q_EMIT edited();
        return true;
    }
    Q_EMIT refused(QStringLiteral("«%1» не принято: с таким значением масса не вычисляется.").arg(text));
    return false;
}
