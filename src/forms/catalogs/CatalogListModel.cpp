#include "forms/catalogs/CatalogListModel.h"

CatalogListModel::CatalogListModel(const CatalogStore &store, const QList<GridColumn> &grid, QObject *parent)
    : QAbstractTableModel(parent), m_store(store), m_grid(grid)
{
    for (const GridColumn &c : m_grid)
        m_gridIndex << store.indexOf(c.column);
}

void CatalogListModel::setFilter(const CatalogFilter &filter)
{
    m_filter = filter;
    reload();
}

void CatalogListModel::reload()
{
    beginResetModel();
    CatalogStore::Page page = m_store.page(m_filter, PageSize);
    m_rows = std::move(page.rows);
    m_next = page.next;
    m_complete = m_rows.size() < PageSize;
    endResetModel();
}

int CatalogListModel::rowOfKey(qint64 key) const
{
    for (int i = 0; i < m_rows.size(); ++i)
        if (m_rows[i].key == key)
            return i;
    return -1;
}

void CatalogListModel::replaceRow(const CatalogRow &row)
{
    const int i = rowOfKey(row.key);
    if (i < 0)
        return;
    m_rows[i] = row;
    emit dataChanged(index(i, 0), index(i, columnCount() - 1));
}

void CatalogListModel::removeKey(qint64 key)
{
    const int i = rowOfKey(key);
    if (i < 0)
        return;
    beginRemoveRows({}, i, i);
    m_rows.removeAt(i);
    endRemoveRows();
}

int CatalogListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int CatalogListModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_grid.size());
}

QVariant CatalogListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || role != Qt::DisplayRole)
        return {};
    const int col = m_gridIndex.value(index.column(), -1);
    return col < 0 ? QVariant() : QVariant(m_rows.at(index.row()).values.value(col));
}

QVariant CatalogListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Horizontal)
        return m_grid.value(section).caption;
    return section + 1;
}

bool CatalogListModel::canFetchMore(const QModelIndex &parent) const
{
    return !parent.isValid() && !m_complete;
}

void CatalogListModel::fetchMore(const QModelIndex &parent)
{
    if (parent.isValid() || m_complete)
        return;
    // From the cursor of the last page: rows changed in place since then do not move it.
    CatalogStore::Page page = m_store.page(m_filter, PageSize, m_next);
    const QList<CatalogRow> more = std::move(page.rows);
    m_next = page.next;
    m_complete = more.size() < PageSize;
    if (more.isEmpty())
        return;
    beginInsertRows({}, int(m_rows.size()), int(m_rows.size() + more.size() - 1));
    m_rows += more;
    endInsertRows();
}
