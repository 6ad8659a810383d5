#pragma once

#include "data/catalogs/CatalogFilter.h"
#include "data/catalogs/CatalogRow.h"
#include "data/catalogs/CatalogStore.h"
#include "forms/catalogs/GridColumn.h"

#include <QAbstractTableModel>

// A read-only list of catalog rows that fetches its rows page by page (by keys) as the view
// scrolls, so a directory of tens of thousands of rows opens at once.
class CatalogListModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    static constexpr int PageSize = 200;

    // grid: the columns shown under their captions, each one of the store's columns.
    CatalogListModel(const CatalogStore &store, const QList<GridColumn> &grid, QObject *parent = nullptr);

    void setFilter(const CatalogFilter &filter); // reloads
    const CatalogFilter &filter() const { return m_filter; }
    void reload();

    const CatalogRow &rowAt(int row) const { return m_rows.at(row); }
    int rowOfKey(qint64 key) const;      // -1 when not loaded
    void replaceRow(const CatalogRow &row); // after a change, in place
    void removeKey(qint64 key);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    bool canFetchMore(const QModelIndex &parent) const override;
    void fetchMore(const QModelIndex &parent) override;

private:
    const CatalogStore &m_store;
    QList<GridColumn> m_grid;
    QList<int> m_gridIndex; // grid column -> index in the store's columns
    CatalogFilter m_filter;
    QList<CatalogRow> m_rows;
    ListCursor m_next; // where the next page starts
    bool m_complete = false;
};
