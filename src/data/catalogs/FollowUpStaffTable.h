#pragma once

#include "data/db/ColumnRef.h"
#include "data/db/Schema.h"

// "回访员": the follow-up staff, with the counts of the monthly ranking.
namespace FollowUpStaffTable {
inline constexpr char Table[] = "回访员";
inline const ColumnRef Name = Schema::column(Table, "回访员");
inline const ColumnRef Phone = Schema::column(Table, "联系电话");
inline const ColumnRef Born = Schema::column(Table, "出生年月");
inline const ColumnRef IdNumber = Schema::column(Table, "身份证号码");
inline const ColumnRef Address = Schema::column(Table, "住址");
inline const ColumnRef Remarks = Schema::column(Table, "备注");
inline const ColumnRef Visits = Schema::column(Table, "回访单数量");
inline const ColumnRef Rank = Schema::column(Table, "排行");
}
