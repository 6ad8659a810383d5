#pragma once

#include "data/db/ColumnRef.h"
#include "data/db/Schema.h"

template <class Row>
class TableMap;
struct Sale;

// "销售": one header per sale, keyed by its business number "业务编号".
namespace SaleTable {
inline constexpr char Table[] = "销售";
inline const ColumnRef Number = Schema::column(Table, "业务编号");
inline const ColumnRef StockOutNumber = Schema::column(Table, "出库单编号");
inline const ColumnRef HandledBy = Schema::column(Table, "经办人");
inline const ColumnRef Customer = Schema::column(Table, "客户名称");
inline const ColumnRef Date = Schema::column(Table, "日期");
inline const ColumnRef CustomerClass = Schema::column(Table, "客户类别");
inline const ColumnRef Phone = Schema::column(Table, "客户电话");
inline const ColumnRef Due = Schema::column(Table, "应收款");
inline const ColumnRef Received = Schema::column(Table, "实收款");
inline const ColumnRef InvoiceNumber = Schema::column(Table, "发票号码");
inline const ColumnRef Profit = Schema::column(Table, "毛利");
inline const ColumnRef Remarks = Schema::column(Table, "备注");

// Internal to the data layer: how a row fills a Sale.
const TableMap<Sale> &map();
// The columns a sale is written with ("备注" is not: the query's memo keeps it).
QList<ColumnRef> written();
}
