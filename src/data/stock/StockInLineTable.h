#pragma once

#include "data/db/ColumnRef.h"
#include "data/db/Schema.h"

// "入库单": the lines of the stock-in bills; the lines of one bill share "单据编号".
namespace StockInLineTable {
inline constexpr char Table[] = "入库单";
inline const ColumnRef BillNumber = Schema::column(Table, "单据编号");
inline const ColumnRef Date = Schema::column(Table, "填单时间");
inline const ColumnRef HandledBy = Schema::column(Table, "经办人");
inline const ColumnRef Supplier = Schema::column(Table, "供应商");
inline const ColumnRef Reason = Schema::column(Table, "入库原因");
inline const ColumnRef PartNo = Schema::column(Table, "编号");
inline const ColumnRef PartName = Schema::column(Table, "配件名称");
inline const ColumnRef Category = Schema::column(Table, "所属类别");
inline const ColumnRef Model = Schema::column(Table, "规格");
inline const ColumnRef Unit = Schema::column(Table, "单位");
inline const ColumnRef Quantity = Schema::column(Table, "数量");
inline const ColumnRef UnitPrice = Schema::column(Table, "进货单价");
inline const ColumnRef Amount = Schema::column(Table, "金额");
inline const ColumnRef Warranty = Schema::column(Table, "保修期");
inline const ColumnRef Serial = Schema::column(Table, "SN");
inline const ColumnRef Remarks = Schema::column(Table, "备注");
}
