#pragma once

// Internal to the data layer: "维修" rows as RepairJobs, read through the table's map.

#include "core/repair/RepairJob.h"
#include "data/db/TableMap.h"
#include "data/repair/RepairTable.h"

namespace RepairRow {
// Every column of "维修" in map order, quoted for a select.
inline const QString &selectList() { return RepairTable::map().selectList(); }
// The row of a query that selected selectList().
inline RepairJob read(const QSqlQuery &q) { return RepairTable::map().read(q); }
}
