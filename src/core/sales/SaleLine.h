#pragma once

#include "core/app/Money.h"

#include <QString>

// One line of a sale as the sale screen's grid holds it. The sale line ("销售单") keeps part of
// it; the stock-out line ("出库单") written with it keeps category and model too.
struct SaleLine
{
    QString number;      // "单据编号": the sale's business number
    QString partNo;      // "商品编号" ("配件编号" on the screen)
    QString name;        // "商品名称"
    QString category;    // the part's category (stock-out line only)
    QString unit;        // "单位"
    QString model;        // the part's model, 规格 (stock-out line only)
    qint64 quantity = 0; // "数量"
    Money unitPrice;     // "单价"
    Money amount;        // "金额"
    QString warranty;    // "保修期"
    QString serials;     // "SN": serial numbers of the units sold, separated by commas
    QString remarks;     // "备注"
};
