#pragma once

#include <QString>

// The part chosen in the part picker.
struct PartChoice
{
    QString partNo;      // "配件编号"
    QString name;        // "配件名称"
    QString model;        // "规格"
    QString category;    // "类别"
    QString unit;        // "单位"
    qint64 warningLevel = 0; // "警戒库存"
    QString salePrice;   // "销售价" as text ("12.5")
};
