#pragma once

#include "data/db/ColumnRef.h"
#include "data/db/Schema.h"

template <class Row>
class TableMap;
struct SaleLine;

// "销售单": the lines of the sales; "单据编号" is the sale's business number.
namespace SaleLineTable {
inline constexpr char Table[] = "销售单";
inline const ColumnRef Number = Schema::column(Table, "单据编号");
inline const ColumnRef PartNo = Schema::column(Table, "商品编号");
inline const ColumnRef Name = Schema::column(Table, "商品名称");
inline const ColumnRef Unit = Schema::column(Table, "单位");
inline const ColumnRef Quantity = Schema::column(Table, "数量");
inline const ColumnRef UnitPrice = Schema::column(Table, "单价");
inline const ColumnRef Amount = Schema::column(Table, "金额");
inline const ColumnRef Serials = Schema::column(Table, "SN");
inline const ColumnRef Warranty = Schema::column(Table, "保修期");
inline const ColumnRef Remarks = Schema::column(Table, "备注");

// Internal to the data layer: how a row fills a SaleLine (category and model are not kept).
const TableMap<SaleLine> &map();
}
