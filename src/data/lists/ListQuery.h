#pragma once

#include "data/lists/ListColumn.h"
#include "data/lists/ListCondition.h"

#include <QList>
#include <vector>

// The order of a list: one column, ascending or descending, ties in table order. Without a
// column the list is in table order (the order rows were written).
struct ListSort
{
    ColumnRef column;
    bool descending = false;

    bool isTableOrder() const { return !column.isValid(); }
    bool operator==(const ListSort &o) const { return column == o.column && descending == o.descending; }
};

// What one list shows: the columns of one table, the rows meeting every condition, in one order.
struct ListQuery
{
    QList<ListColumn> columns; // all of one table
    std::vector<ListCondition> conditions;
    ListSort sort;

    QString table() const { return columns.isEmpty() ? QString() : columns.first().column.table; }
};
