#pragma once

#include "data/db/ColumnRef.h"
#include "data/db/Schema.h"

template <class Row>
class TableMap;
struct RepairJob;

// "维修": the repair jobs, one row per job, keyed by its business number.
namespace RepairTable {
inline constexpr char Table[] = "维修";
inline const ColumnRef Number = Schema::column(Table, "业务编号");
inline const ColumnRef IntakeDate = Schema::column(Table, "接修日期");
inline const ColumnRef IntakeTime = Schema::column(Table, "接修时间");
inline const ColumnRef HandledBy = Schema::column(Table, "经办人");
inline const ColumnRef Customer = Schema::column(Table, "客户");
inline const ColumnRef ItemName = Schema::column(Table, "物件名称");
inline const ColumnRef ItemSerial = Schema::column(Table, "物件编号");
inline const ColumnRef Accessories = Schema::column(Table, "随机附件");
inline const ColumnRef ItemCategory = Schema::column(Table, "维修物类别");
inline const ColumnRef ItemBrand = Schema::column(Table, "维修物品牌");
inline const ColumnRef Fault = Schema::column(Table, "故障描述");
inline const ColumnRef IntakeKind = Schema::column(Table, "送修类别");
inline const ColumnRef ServiceMode = Schema::column(Table, "服务方式");
inline const ColumnRef Appointment = Schema::column(Table, "预约时间");
inline const ColumnRef VisitTime = Schema::column(Table, "上门时间");
inline const ColumnRef UnderWarranty = Schema::column(Table, "保内");
inline const ColumnRef Technician = Schema::column(Table, "技术员");
inline const ColumnRef State = Schema::column(Table, "当前状态");
inline const ColumnRef DaysInHand = Schema::column(Table, "已处理天数");
inline const ColumnRef PartsFee = Schema::column(Table, "配件费用");
inline const ColumnRef LabourFee = Schema::column(Table, "维修费用");
inline const ColumnRef ExtraFee = Schema::column(Table, "附加费用");
inline const ColumnRef ExtraFeeNote = Schema::column(Table, "附加费说明");
inline const ColumnRef TotalFee = Schema::column(Table, "费用合计");
inline const ColumnRef Prepayment = Schema::column(Table, "预付款");
inline const ColumnRef Charged = Schema::column(Table, "实际收费");
inline const ColumnRef PaymentMethod = Schema::column(Table, "收费方式");
inline const ColumnRef InvoiceNumber = Schema::column(Table, "发票号码");
inline const ColumnRef PartsCost = Schema::column(Table, "配件成本");
inline const ColumnRef GrossProfit = Schema::column(Table, "毛利");
inline const ColumnRef Refund = Schema::column(Table, "退款");
inline const ColumnRef StockOutBill = Schema::column(Table, "出库单据");
inline const ColumnRef EndDate = Schema::column(Table, "返回日期");
inline const ColumnRef Dispatched = Schema::column(Table, "已经派工");
inline const ColumnRef CustomerConfirmed = Schema::column(Table, "客户确认");
inline const ColumnRef RepairCondition = Schema::column(Table, "维修情况");
inline const ColumnRef RepairSummary = Schema::column(Table, "维修小结");
inline const ColumnRef CancelReason = Schema::column(Table, "取消维修原因");
inline const ColumnRef Rework = Schema::column(Table, "是否返修");
inline const ColumnRef Remarks = Schema::column(Table, "备注");

// Internal to the data layer: how a row fills a RepairJob (every column, in this order).
const TableMap<RepairJob> &map();
}
