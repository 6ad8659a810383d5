#pragma once

#include "core/app/Money.h"

#include <QDate>
#include <QString>

// One sale's header ("销售"): who bought, the stock-out bill its lines left stock under, the
// amounts and the gross profit.
struct Sale
{
    QString number;         // "业务编号" ("sc-")
    QString stockOutNumber; // "出库单编号" ("ck-")
    QString handledBy;      // "经办人"
    QString customer;       // "客户名称"
    QDate date;             // "日期"
    QString customerClass;  // "客户类别"
    QString phone;          // "客户电话"
    Money due;              // "应收款"
    Money received;         // "实收款"
    QString invoiceNumber;  // "发票号码"
    Money profit;           // "毛利": received minus the purchase cost of the lines
    QString remarks;        // "备注"
};
