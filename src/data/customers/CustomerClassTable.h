#pragma once

#include "data/db/ColumnRef.h"
#include "data/db/Schema.h"

// "客户分类": the customer classes and whether their customers get follow-up visits.
namespace CustomerClassTable {
inline constexpr char Table[] = "客户分类";
inline const ColumnRef Name = Schema::column(Table, "客户类别");
inline const ColumnRef FollowsUp = Schema::column(Table, "是否回访");
}
