#pragma once

#include "core/repair/RepairJob.h"

#include <QString>

// The fee texts a charge list prints: those shown on the settlement panel when it is printed.
struct ChargeListFees
{
    QString partsFee;      // "材料费"
    QString labourFee;     // "维修费"
    QString extraFee;      // "附加费"
    QString total;         // "合计"
    QString received;      // "已收" (the prepayment)
    QString due;           // "应收"
    QString charged;       // "实收"
    QString invoiceNumber; // "发票号"
    QString paymentMethod; // "收款方式"

    // The stored values of a job, the amount due being the total less the prepayment.
    static ChargeListFees fromJob(const RepairJob &job);
};
