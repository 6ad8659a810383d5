#pragma once

#include "data/catalogs/CatalogFilter.h"
#include "data/catalogs/CatalogRow.h"

#include <QStringList>

class Database;

// Generic access to one catalog table through a declared list of its columns: list (in pages, so
// a list of tens of thousands of rows shows at once), look up, insert, update and delete. Values
// travel as texts; Money and Integer columns are converted through the schema registry.
class CatalogStore
{
public:
    // orderBy empty: table order (the row key).
    CatalogStore(Database &db, const QString &table, const QStringList &columns, const QString &orderBy = {});

    const QString &table() const { return m_table; }
    const QStringList &columns() const { return m_columns; }

    int count(const CatalogFilter &filter = CatalogFilter::all()) const;
    // Rows offset .. offset+limit-1 of the filtered, ordered list; limit < 0 means every row.
    // afterKey: the key of the last row already fetched; in table order the next page starts
    // after it directly, so paging through a long list costs the same for every page.
    QList<CatalogRow> fetch(const CatalogFilter &filter, int offset = 0, int limit = -1, qint64 afterKey = 0) const;
    QList<CatalogRow> all() const { return fetch(CatalogFilter::all()); }
    CatalogRow row(qint64 key) const; // invalid row when missing
    // True when a row holds exactly this text in the column.
    bool exists(const QString &column, const QString &value) const;
    // Whether the text can be stored in the column (numbers for Money and Integer columns).
    bool accepts(const QString &column, const QString &text) const;
    // Whether the column holds numbers (Money or Integer).
    bool holdsNumbers(const QString &column) const;

    // values in the declared column order. Yes/no columns not declared start as 0.
    // Throws DbError when a value does not fit its column; nothing is written then.
    qint64 insert(const QStringList &values);
    void update(qint64 key, const QStringList &values);
    void remove(qint64 key);

private:
    QVariantList storedValues(const QStringList &values) const;
    QString selectList() const;
    QString whereClause(const CatalogFilter &filter, QVariantList &binds) const;

    Database &m_db;
    QString m_table;
    QStringList m_columns;
    QString m_orderBy;
};
