#pragma once

#include "core/app/Money.h"

#include <QString>

// One part of "配件目录".
struct PartRecord
{
    qint64 key = 0;       // "流水号"
    QString partNo;       // "配件编号"
    QString name;         // "配件名称"
    QString model;         // "规格"
    QString category;     // "类别"
    QString unit;         // "单位"
    qint64 warningLevel = 0; // "警戒库存"
    Money salePrice;      // "销售价"
    Money repairPrice;    // "维修更换价"
};
