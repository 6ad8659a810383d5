#pragma once

#include "data/db/ColumnRef.h"
#include "data/db/Schema.h"

// "供应商目录": the suppliers.
namespace SupplierTable {
inline constexpr char Table[] = "供应商目录";
inline const ColumnRef Name = Schema::column(Table, "供应商名称");
inline const ColumnRef Contact = Schema::column(Table, "联系人");
inline const ColumnRef Phone = Schema::column(Table, "联系电话");
inline const ColumnRef Fax = Schema::column(Table, "传真");
inline const ColumnRef Address = Schema::column(Table, "地址");
inline const ColumnRef PostCode = Schema::column(Table, "邮编");
inline const ColumnRef Email = Schema::column(Table, "电子邮件");
inline const ColumnRef Website = Schema::column(Table, "网址");
inline const ColumnRef Account = Schema::column(Table, "账号");
inline const ColumnRef TaxNumber = Schema::column(Table, "税号");
inline const ColumnRef Remarks = Schema::column(Table, "备注");
}
