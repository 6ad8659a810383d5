#pragma once

#include "data/db/ColumnRef.h"
#include "data/db/Schema.h"

// "技术员目录": the technicians, with the counts and sums of the monthly ranking.
namespace TechnicianTable {
inline constexpr char Table[] = "技术员目录";
inline const ColumnRef Name = Schema::column(Table, "技术员");
inline const ColumnRef Phone = Schema::column(Table, "联系电话");
inline const ColumnRef Born = Schema::column(Table, "出生年月");
inline const ColumnRef IdNumber = Schema::column(Table, "身份证号码");
inline const ColumnRef Address = Schema::column(Table, "住址");
inline const ColumnRef Remarks = Schema::column(Table, "备注");
inline const ColumnRef Jobs = Schema::column(Table, "维修单数目");
inline const ColumnRef CancelledJobs = Schema::column(Table, "取消维修单");
inline const ColumnRef JobsInHand = Schema::column(Table, "处理中维修");
inline const ColumnRef TotalAmount = Schema::column(Table, "合计金额");
inline const ColumnRef TotalProfit = Schema::column(Table, "合计毛利");
inline const ColumnRef PartsFees = Schema::column(Table, "发生配件费");
inline const ColumnRef LabourFees = Schema::column(Table, "发生维修费");
inline const ColumnRef ExtraFees = Schema::column(Table, "发生附加费");
inline const ColumnRef Rank = Schema::column(Table, "排行");
}
