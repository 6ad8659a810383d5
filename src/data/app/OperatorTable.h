#pragma once

#include "data/db/ColumnRef.h"
#include "data/db/Schema.h"

template <class Row>
class TableMap;
struct Operator;

// "用户管理": the operators and their right columns (the table has no key column: rows are
// addressed by the engine's row key).
namespace OperatorTable {
inline constexpr char Table[] = "用户管理";
inline const ColumnRef LoginName = Schema::column(Table, "用户名");
inline const ColumnRef Password = Schema::column(Table, "密码");
inline const ColumnRef Name = Schema::column(Table, "姓名");
inline const ColumnRef Role = Schema::column(Table, "权限");

// The nineteen right columns in bit order: bit i of Operator::columns is column i.
const QList<ColumnRef> &rights();
// Internal to the data layer: how a row fills an Operator (row key, then every column).
const TableMap<Operator> &map();
}
