#pragma once

#include "data/lists/ListColumn.h"
#include "data/lists/ListCondition.h"
#include "data/lists/ListSort.h"

#include <QList>
#include <vector>

// What one list shows: the columns of one table, the rows meeting every condition, in one order.
struct ListQuery
{
    QList<ListColumn> columns; // all of one table
    std::vector<ListCondition> conditions;
    ListSort sort;

    QString table() const { return columns.isEmpty() ? QString() : columns.first().column.table; }
};
