#pragma once

#include "data/db/ColumnRef.h"

#include <QList>
#include <QStringList>

// The table-and-columns half of a TableMap: which columns of one table a map reads and writes,
// in order, and the column types each binding can hold. It builds the statement text; the test
// of the maps holds it against the schema registry.
class ColumnMap
{
public:
    const QString &table() const { return m_table; }
    const QList<ColumnRef> &columns() const { return m_columns; }
    // Whether the select list starts with the engine's row key (tables without a key column).
    bool hasRowKey() const { return m_rowKey; }
    int indexOf(const ColumnRef &column) const { return int(m_columns.indexOf(column)); }
    // Every column but the auto-numbers: what a new row is written with.
    QList<ColumnRef> writable() const;

    // The row key (if any), then every column, in map order: the positions read() expects.
    const QString &selectList() const { return m_selectList; }
    QString quotedTable() const { return quoted(m_table); }
    static QString quoted(const QString &name) { return u'"' + name + u'"'; }
    static QString quotedList(const QList<ColumnRef> &columns);

    // Where the map and the schema registry disagree, one line each: a column of another table, a
    // column the registry does not know or types differently, a member that cannot hold the
    // column's type. Empty when they agree.
    QStringList disagreements() const;

protected:
    explicit ColumnMap(const QString &table) : m_table(table) {}
    void add(const ColumnRef &column, const QList<ColumnType> &fits);
    void addRowKey();

private:
    void rebuildSelectList();

    QString m_table;
    QList<ColumnRef> m_columns;
    QList<QList<ColumnType>> m_fits;
    bool m_rowKey = false;
    QString m_selectList;
};
