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
    // One row per distinct combination of the shown columns (the lines of one bill as one row):
    // rows that differ in no shown column are listed once, at the place of the newest of them.
    // The order, if any, is on one of the shown columns.
    bool distinct = false;

    QString table() const { return columns.isEmpty() ? QString() : columns.first().column.table; }
};
