#pragma once

#include <QString>

// A stock row as the stock list and the stock detail sheet print it: the texts shown.
struct StockSheetRow
{
    QString partNo;       // "编号"
    QString name;         // "名称"
    QString category;     // "类别"
    QString model;        // "规格"
    QString unit;         // "单位"
    QString quantity;     // "库存"
    QString supplier;     // "供货商"
    QString price;        // "进货单价"
    QString warningLevel; // "警戒库存"
    QString requested;    // "配件申请"
    QString warranty;     // "保修期"
    QString remarks;      // "备注"
};
