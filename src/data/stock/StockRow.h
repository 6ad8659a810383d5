#pragma once

#include "core/app/Money.h"

#include <QString>

// One row of "库存": the stock of one part number.
struct StockRow
{
    QString partNo;   // "编号"
    QString name;     // "名称"
    QString category; // "类别"
    QString model;     // "规格"
    QString unit;     // "单位"
    qint64 quantity = 0;     // "库存"
    qint64 warningLevel = 0; // "警戒库存"
    QString supplier; // "供货商"
    Money purchasePrice; // "进货单价"
    QString warranty; // "保修期"
    QString remarks;  // "备注"
    qint64 requested = 0; // "配件申请"
    qint64 key = 0;       // the engine's row key; 0 for a row not read from the file
};
