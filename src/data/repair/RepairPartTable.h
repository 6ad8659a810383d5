#pragma once

#include "data/db/ColumnRef.h"
#include "data/db/Schema.h"

template <class Row>
class TableMap;
struct RepairPartLine;

// "配件": the part lines of the repair jobs; "单据编号" is the job's business number.
namespace RepairPartTable {
inline constexpr char Table[] = "配件";
inline const ColumnRef Number = Schema::column(Table, "单据编号");
inline const ColumnRef PartCode = Schema::column(Table, "配件编号");
inline const ColumnRef PartName = Schema::column(Table, "配件");
inline const ColumnRef Quantity = Schema::column(Table, "数目");
inline const ColumnRef UnitPrice = Schema::column(Table, "单价");
inline const ColumnRef Total = Schema::column(Table, "合计");
inline const ColumnRef Serial = Schema::column(Table, "SN");

// Internal to the data layer: how a row fills a RepairPartLine.
const TableMap<RepairPartLine> &map();
}
