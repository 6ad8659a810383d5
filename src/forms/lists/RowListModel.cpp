#include "forms/lists/RowListModel.h"

RowListModel::RowListModel(QList<ListColumn> columns, QObject *parent)
    : QAbstractTableModel(parent), m_columns(std::move(columns))
{
}

void RowListModel::setRows(QList<QStringList> rows)
{
    beginResetModel();
    m_rows = std::move(rows);
    endResetModel();
}

void RowListModel::setRow(int row, const QStringList &texts)
{
    if (row < 0 || row >= m_rows.size())
        return;
    m_rows[row] = texts;
    emit dataChanged(index(row, 0), index(row, columnCount() - 1));
}

QString RowListModel::text(int row, int column) const
{
    return m_rows.value(row).value(column);
}

int RowListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int RowListModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_columns.size());
}

QVariant RowListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    if (role == Qt::DisplayRole)
        return text(index.row(), index.column());
    if (role == Qt::TextAlignmentRole && m_columns.value(index.column()).format == ListFormat::Money)
        return QVariant::fromValue(Qt::Alignment(Qt::AlignRight | Qt::AlignVCenter));
    return {};
}

QVariant RowListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && section >= 0 && section < m_columns.size()) {
        if (role == Qt::DisplayRole)
            return m_columns[section].caption;
        if (role == ListColumn::FormatRole)
            return int(m_columns[section].format);
    }
    return QAbstractTableModel::headerData(section, orientation, role);
}
