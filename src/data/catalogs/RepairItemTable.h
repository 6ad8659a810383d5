#pragma once

#include "data/db/ColumnRef.h"
#include "data/db/Schema.h"

// "维修项目目录": the repair items and their charges.
namespace RepairItemTable {
inline constexpr char Table[] = "维修项目目录";
inline const ColumnRef Name = Schema::column(Table, "维修项目");
inline const ColumnRef Charge = Schema::column(Table, "收费");
}
