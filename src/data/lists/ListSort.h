#pragma once

#include "data/db/ColumnRef.h"

// The order of a list: one column, ascending or descending, equal values in table order (newest
// first when descending). Without a column the list is in table order (the order rows were
// written).
struct ListSort
{
    ColumnRef column;
    bool descending = false;

    bool isTableOrder() const { return !column.isValid(); }
    bool operator==(const ListSort &o) const { return column == o.column && descending == o.descending; }
};
