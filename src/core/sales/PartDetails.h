#pragma once

#include <QString>

// What the return and exchange screens know of a part: the unit taken back or handed out.
struct PartDetails
{
    QString partNo;   // "配件编号"
    QString name;     // "配件名称"
    QString category; // "配件类别"
    QString model;     // "配件规格"
    QString unit;     // "单位"
    QString warranty; // "保修期"
    QString serial;   // the unit's SN
};
