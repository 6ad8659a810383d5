#pragma once

#include "data/db/ColumnRef.h"
#include "data/db/Schema.h"

// "维修情况": the repair conditions offered while a job is handled.
namespace RepairConditionTable {
inline constexpr char Table[] = "维修情况";
inline const ColumnRef Name = Schema::column(Table, "维修情况");
}
