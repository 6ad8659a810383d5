#pragma once

#include "data/db/ColumnRef.h"
#include "data/db/Schema.h"

// "维修物类别目录": the classes of repaired items.
namespace RepairClassTable {
inline constexpr char Table[] = "维修物类别目录";
inline const ColumnRef Name = Schema::column(Table, "类别");
}
