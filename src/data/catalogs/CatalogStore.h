#pragma once

#include "data/catalogs/CatalogFilter.h"
#include "data/catalogs/CatalogRow.h"
#include "data/db/ColumnRef.h"
#include "data/lists/ListCursor.h"

#include <QStringList>
#include <memory>

class Database;
template <class Row>
class TableMap;

// Generic access to one catalog table through a declared list of its columns (handles of one
// table): list (in pages, so a list of tens of thousands of rows shows at once), look up,
// insert, update and delete. Values travel as texts, converted by each column's type.
//
// Pages follow one another by keys, as those of a ListModel do (KeysetPage): each continues
// after the sort value and row key of the last row fetched, so a page at the end of a long list
// costs what the first one does.
class CatalogStore
{
public:
    // orderBy invalid: table order (the row key).
    CatalogStore(Database &db, const QList<ColumnRef> &columns, const ColumnRef &orderBy = {});
    ~CatalogStore();
    CatalogStore(CatalogStore &&) noexcept;

    const QList<ColumnRef> &columns() const { return m_columns; }
    int indexOf(const ColumnRef &column) const { return int(m_columns.indexOf(column)); }

    int count(const CatalogFilter &filter = CatalogFilter::all()) const;
    struct Page
    {
        QList<CatalogRow> rows;
        ListCursor next; // where the page after it starts
    };
    // Up to limit rows (< 0: every row) of the filtered, ordered list, after the cursor.
    Page page(const CatalogFilter &filter, int limit, const ListCursor &after = {}) const;
    // The first limit rows (< 0: every row).
    QList<CatalogRow> fetch(const CatalogFilter &filter, int limit = -1) const { return page(filter, limit).rows; }
    QList<CatalogRow> all() const { return fetch(CatalogFilter::all()); }
    CatalogRow row(qint64 key) const; // invalid row when missing
    // True when a row holds exactly this text in the column (a column of the same table).
    bool exists(const ColumnRef &column, const QString &value) const;
    // Whether the text can be stored in the column (numbers for Money and Integer columns).
    static bool accepts(const ColumnRef &column, const QString &text);
    // Whether the column holds numbers (Money or Integer).
    static bool holdsNumbers(const ColumnRef &column);

    // values in the declared column order. Yes/no columns not declared start as 0.
    // Throws DbError when a value does not fit its column; nothing is written then.
    qint64 insert(const QStringList &values);
    void update(qint64 key, const QStringList &values);
    void remove(qint64 key);

private:
    // The filter as one condition ("" for every row).
    QString condition(const CatalogFilter &filter, QVariantList &binds) const;

    Database &m_db;
    QList<ColumnRef> m_columns;
    ColumnRef m_orderBy;
    std::unique_ptr<TableMap<CatalogRow>> m_map;
};
