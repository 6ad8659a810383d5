#pragma once

#include "data/db/ColumnRef.h"
#include "data/db/Schema.h"

// "品牌目录": the brands of repaired items.
namespace BrandTable {
inline constexpr char Table[] = "品牌目录";
inline const ColumnRef Name = Schema::column(Table, "品牌");
}
