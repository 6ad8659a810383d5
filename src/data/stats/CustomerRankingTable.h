#pragma once

#include "data/db/ColumnRef.h"
#include "data/db/Schema.h"

// "客户排行": the customers with business in the month last ranked, emptied and written anew by
// each computation of the customer ranking.
namespace CustomerRankingTable {
inline constexpr char Table[] = "客户排行";
inline const ColumnRef Rank = Schema::column(Table, "排行");
inline const ColumnRef Amount = Schema::column(Table, "交易额");
inline const ColumnRef Name = Schema::column(Table, "客户名称");
inline const ColumnRef Company = Schema::column(Table, "客户单位");
inline const ColumnRef Class = Schema::column(Table, "客户类别");
inline const ColumnRef Phone = Schema::column(Table, "联系电话");
}
