#pragma once

#include "data/db/ColumnType.h"

#include <QHashFunctions>
#include <QString>

// Names one column of one table. The data layer declares these beside its table maps, so the
// layers above can say which column a list shows, searches or sorts on without spelling table or
// column names themselves; only the data layer turns them into statements.
struct ColumnRef
{
    QString table;
    QString column;
    ColumnType type = ColumnType::Text;

    bool isValid() const { return !table.isEmpty() && !column.isEmpty(); }
    bool operator==(const ColumnRef &o) const { return table == o.table && column == o.column; }
};

inline size_t qHash(const ColumnRef &c, size_t seed = 0)
{
    return qHashMulti(seed, c.table, c.column);
}
