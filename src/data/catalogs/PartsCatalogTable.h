#pragma once

#include "data/db/ColumnRef.h"
#include "data/db/Schema.h"

template <class Row>
class TableMap;
struct PartRecord;

// "配件目录": the parts catalog with its prices.
namespace PartsCatalogTable {
inline constexpr char Table[] = "配件目录";
inline const ColumnRef Key = Schema::column(Table, "流水号");
inline const ColumnRef PartNo = Schema::column(Table, "配件编号");
inline const ColumnRef Name = Schema::column(Table, "配件名称");
inline const ColumnRef Model = Schema::column(Table, "规格");
inline const ColumnRef Category = Schema::column(Table, "类别");
inline const ColumnRef Unit = Schema::column(Table, "单位");
inline const ColumnRef WarningLevel = Schema::column(Table, "警戒库存");
inline const ColumnRef SalePrice = Schema::column(Table, "销售价");
inline const ColumnRef RepairPrice = Schema::column(Table, "维修更换价");
inline const ColumnRef SoldThisMonth = Schema::column(Table, "本月售出");
inline const ColumnRef Rank = Schema::column(Table, "排行");

// Internal to the data layer: how a row fills a PartRecord (number to repair price).
const TableMap<PartRecord> &map();
}
