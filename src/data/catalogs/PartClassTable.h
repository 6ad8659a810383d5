#pragma once

#include "data/db/ColumnRef.h"
#include "data/db/Schema.h"

// "类别目录": the part classes.
namespace PartClassTable {
inline constexpr char Table[] = "类别目录";
inline const ColumnRef Name = Schema::column(Table, "类别");
}
