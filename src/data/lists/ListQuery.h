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
    // A condition an index serves drives the list whatever the number of its rows: they are
    // sorted once and every page reads its rows by key, so the list paged to its end costs about
    // one plain read of its rows (a picker's class). Otherwise it drives only when its rows are
    // few, and the first page never waits for a sort (see ListPlanner).
    bool conditionDrives = false;

    QString table() const { return columns.isEmpty() ? QString() : columns.first().column.table; }
};
