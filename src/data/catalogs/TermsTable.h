#pragma once

#include "data/db/ColumnRef.h"
#include "data/db/Schema.h"

template <class Row>
class TableMap;
struct ShopInfo;

// "约定": the one row of terms printed on repair documents.
namespace TermsTable {
inline constexpr char Table[] = "约定";
inline const ColumnRef PickupValidity = Schema::column(Table, "取物有效期");
inline const ColumnRef Clause1 = Schema::column(Table, "保修条款1");
inline const ColumnRef Clause2 = Schema::column(Table, "保修条款2");
inline const ColumnRef Clause3 = Schema::column(Table, "保修条款3");

// Internal to the data layer: how the row fills the terms of a ShopInfo.
const TableMap<ShopInfo> &map();
}
