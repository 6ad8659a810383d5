#pragma once

#include "data/db/ColumnRef.h"
#include "data/db/Schema.h"

template <class Row>
class TableMap;
struct NumberPlan;

// "编号计划": the custom repair-number plan (its first row counts).
namespace NumberPlanTable {
inline constexpr char Table[] = "编号计划";
inline const ColumnRef Prefix = Schema::column(Table, "前缀");
inline const ColumnRef Digits = Schema::column(Table, "后缀位数");
inline const ColumnRef Next = Schema::column(Table, "起始");

// Internal to the data layer: how a row fills a NumberPlan.
const TableMap<NumberPlan> &map();
}
