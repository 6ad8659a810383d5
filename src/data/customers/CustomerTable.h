#pragma once

#include "data/db/ColumnRef.h"
#include "data/db/Schema.h"

template <class Row>
class TableMap;
struct CustomerRecord;

// "客户目录": the customer directory. "流水号" is the row key, so table order is running-number order.
namespace CustomerTable {
inline constexpr char Table[] = "客户目录";
inline const ColumnRef Key = Schema::column(Table, "流水号");
inline const ColumnRef Name = Schema::column(Table, "客户名称");
inline const ColumnRef Class = Schema::column(Table, "类别");
inline const ColumnRef Company = Schema::column(Table, "客户单位");
inline const ColumnRef Contact = Schema::column(Table, "联系人");
inline const ColumnRef Manager = Schema::column(Table, "物资主管");
inline const ColumnRef Phone = Schema::column(Table, "联系电话");
inline const ColumnRef Fax = Schema::column(Table, "传真");
inline const ColumnRef Address = Schema::column(Table, "地址");
inline const ColumnRef PostCode = Schema::column(Table, "邮编");
inline const ColumnRef Email = Schema::column(Table, "电子邮件");
inline const ColumnRef TaxNumber = Schema::column(Table, "税号");
inline const ColumnRef Account = Schema::column(Table, "账号");
inline const ColumnRef Route = Schema::column(Table, "乘车路线");
inline const ColumnRef Registered = Schema::column(Table, "登记时间");
inline const ColumnRef Remarks = Schema::column(Table, "备注");

// Internal to the data layer: how a row fills a CustomerRecord (every column but "流水号").
const TableMap<CustomerRecord> &map();
}
