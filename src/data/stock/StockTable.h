#pragma once

#include "data/db/ColumnRef.h"
#include "data/db/Schema.h"

template <class Row>
class TableMap;
struct StockRow;

// "库存": one stock row per part number.
namespace StockTable {
inline constexpr char Table[] = "库存";
inline const ColumnRef PartNo = Schema::column(Table, "编号");
inline const ColumnRef Name = Schema::column(Table, "名称");
inline const ColumnRef Category = Schema::column(Table, "类别");
inline const ColumnRef Model = Schema::column(Table, "规格");
inline const ColumnRef Unit = Schema::column(Table, "单位");
inline const ColumnRef Quantity = Schema::column(Table, "库存");
inline const ColumnRef WarningLevel = Schema::column(Table, "警戒库存");
inline const ColumnRef Supplier = Schema::column(Table, "供货商");
inline const ColumnRef PurchasePrice = Schema::column(Table, "进货单价");
inline const ColumnRef Warranty = Schema::column(Table, "保修期");
inline const ColumnRef Remarks = Schema::column(Table, "备注");
inline const ColumnRef Requested = Schema::column(Table, "配件申请");

// Internal to the data layer: how a row fills a StockRow (row key first, then every column).
const TableMap<StockRow> &map();
}
