#pragma once

#include "data/db/ColumnRef.h"
#include "data/db/Schema.h"

template <class Row>
class TableMap;
class FollowUpPlan;
struct FollowUpNotes;
struct FollowUpVisit;

// "回访": one row per follow-up visit, planned by charging a repair or making a sale.
namespace FollowUpTable {
inline constexpr char Table[] = "回访";
inline const ColumnRef Customer = Schema::column(Table, "客户名称");
inline const ColumnRef Phone = Schema::column(Table, "电话");
inline const ColumnRef Kind = Schema::column(Table, "业务类别");
inline const ColumnRef Name = Schema::column(Table, "业务名称");
inline const ColumnRef Number = Schema::column(Table, "业务编号");
inline const ColumnRef Started = Schema::column(Table, "业务发生时间");
inline const ColumnRef Ended = Schema::column(Table, "业务结束时间");
inline const ColumnRef DaysSinceEnd = Schema::column(Table, "距离业务结束时间");
inline const ColumnRef VisitedAt = Schema::column(Table, "回访时间");
inline const ColumnRef Form = Schema::column(Table, "回访形式");
inline const ColumnRef Staff = Schema::column(Table, "回访员");
inline const ColumnRef Visited = Schema::column(Table, "被回访人");
inline const ColumnRef Satisfaction = Schema::column(Table, "客户满意度");
inline const ColumnRef Opinion = Schema::column(Table, "客户意见");
inline const ColumnRef State = Schema::column(Table, "当前状态");

// Internal to the data layer: the columns a planned visit fills.
const TableMap<FollowUpPlan> &planMap();
// ... the whole row, with its row key first.
const TableMap<FollowUpVisit> &visitMap();
// The columns of a visit's notes, in FollowUpNotes order.
const QList<ColumnRef> &noteColumns();
}
