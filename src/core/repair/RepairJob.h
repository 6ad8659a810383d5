#pragma once

#include "core/app/Money.h"

#include <QDate>
#include <QString>

// One repair job, a row of "维修", as the screens and documents use it.
struct RepairJob
{
    QString number;           // "业务编号"
    QDate intakeDate;         // "接修日期"
    QString intakeTime;       // "接修时间"
    QString handledBy;        // "经办人"
    QString customer;         // "客户"
    QString itemName;         // "物件名称"
    QString itemSerial;       // "物件编号"
    QString accessories;      // "随机附件"
    QString itemCategory;     // "维修物类别"
    QString itemBrand;        // "维修物品牌"
    QString fault;            // "故障描述"
    QString intakeKind;       // "送修类别"
    QString serviceMode;      // "服务方式"
    QString appointment;      // "预约时间"
    QString visitTime;        // "上门时间"
    bool underWarranty = false; // "保内"
    QString technician;       // "技术员"
    QString state;            // "当前状态"
    QString daysInHand;       // "已处理天数"
    Money partsFee;           // "配件费用"
    Money labourFee;          // "维修费用"
    Money extraFee;           // "附加费用"
    QString extraFeeNote;     // "附加费说明"
    Money totalFee;           // "费用合计"
    Money prepayment;         // "预付款"
    Money charged;            // "实际收费"
    QString paymentMethod;    // "收费方式"
    QString invoiceNumber;    // "发票号码"
    Money partsCost;          // "配件成本"
    Money grossProfit;        // "毛利"
    Money refund;             // "退款"
    QString stockOutBill;     // "出库单据"
    QDate endDate;            // "返回日期"
    bool dispatched = false;  // "已经派工"
    bool customerConfirmed = false; // "客户确认"
    QString repairCondition;  // "维修情况"
    QString repairSummary;    // "维修小结"
    QString cancelReason;     // "取消维修原因"
    QString rework;           // "是否返修"
    QString remarks;          // "备注"
};

// A part line of a job, a row of "配件".
struct RepairPartLine
{
    QString number;   // "单据编号"
    QString partCode; // "配件编号"
    QString partName; // "配件"
    int quantity = 0; // "数目"
    Money unitPrice;  // "单价"
    Money total;      // "合计"
    QString serial;   // "SN"
};
