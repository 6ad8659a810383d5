#pragma once

#include "data/db/ColumnRef.h"
#include "data/db/Schema.h"

template <class Row>
class TableMap;
struct ReturnExchange;

// "退换": one row per return or exchange, keyed by its "th-" number "单据编号".
namespace ReturnExchangeTable {
inline constexpr char Table[] = "退换";
inline const ColumnRef Number = Schema::column(Table, "单据编号");
inline const ColumnRef Date = Schema::column(Table, "填单时间");
inline const ColumnRef HandledBy = Schema::column(Table, "经办人");
inline const ColumnRef Customer = Schema::column(Table, "客户");
inline const ColumnRef Kind = Schema::column(Table, "退换标识");
inline const ColumnRef ReturnedPartNo = Schema::column(Table, "所退配件编号");
inline const ColumnRef ReturnedSerial = Schema::column(Table, "所退配件SN");
inline const ColumnRef ReplacementPartNo = Schema::column(Table, "所换配件编号");
inline const ColumnRef ReplacementSerial = Schema::column(Table, "所换配件SN");
inline const ColumnRef Refund = Schema::column(Table, "退款金额");
inline const ColumnRef ExtraPayment = Schema::column(Table, "客户补款额");
inline const ColumnRef Remarks = Schema::column(Table, "备注");

// Internal to the data layer: how a row fills a ReturnExchange.
const TableMap<ReturnExchange> &map();
// The columns a return, or an exchange, is written with: a return leaves the replacement and
// the extra payment empty, an exchange the refund.
QList<ColumnRef> written(bool exchange);
}
