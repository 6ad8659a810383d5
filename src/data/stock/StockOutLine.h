#pragma once

#include <QDate>
#include <QString>

// One row of "出库单": a line of a stock-out bill with its bill's header.
struct StockOutLine
{
    QString billNumber; // "单据编号"
    QDate date;         // "填单时间"
    QString handledBy;  // "经办人"
    QString reason;     // "出库原因"
    QString partNo;     // "编号"
    QString partName;   // "配件名称"
    QString category;   // "所属类别"
    QString model;      // "规格"
    QString unit;       // "单位"
    qint64 quantity = 0; // "数量"
    QString warranty;   // "保修期"
    QString remarks;    // "备注"
};
