#pragma once

#include "data/db/ColumnRef.h"
#include "data/db/Schema.h"

template <class Row>
class TableMap;
struct StockOutLine;

// "出库单": the lines of the stock-out bills; the lines of one bill share "单据编号".
namespace StockOutLineTable {
inline constexpr char Table[] = "出库单";
inline const ColumnRef BillNumber = Schema::column(Table, "单据编号");
inline const ColumnRef Date = Schema::column(Table, "填单时间");
inline const ColumnRef HandledBy = Schema::column(Table, "经办人");
inline const ColumnRef Reason = Schema::column(Table, "出库原因");
inline const ColumnRef PartNo = Schema::column(Table, "编号");
inline const ColumnRef PartName = Schema::column(Table, "配件名称");
inline const ColumnRef Category = Schema::column(Table, "所属类别");
inline const ColumnRef Model = Schema::column(Table, "规格");
inline const ColumnRef Unit = Schema::column(Table, "单位");
inline const ColumnRef Quantity = Schema::column(Table, "数量");
inline const ColumnRef Warranty = Schema::column(Table, "保修期");
inline const ColumnRef Remarks = Schema::column(Table, "备注");

// Internal to the data layer: how a row fills a StockOutLine (bill header and line).
const TableMap<StockOutLine> &map();
}
