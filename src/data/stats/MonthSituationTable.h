#pragma once

#include "data/db/ColumnRef.h"
#include "data/db/Schema.h"

template <class Row>
class TableMap;
struct MonthSituation;

// "月度情况": the twelve months of the monthly business history, rewritten each time it is shown.
namespace MonthSituationTable {
inline constexpr char Table[] = "月度情况";
inline const ColumnRef Month = Schema::column(Table, "月份");
inline const ColumnRef Turnover = Schema::column(Table, "销售额");
inline const ColumnRef Profit = Schema::column(Table, "毛利");

// Internal to the data layer: how a row fills a MonthSituation.
const TableMap<MonthSituation> &map();
}
