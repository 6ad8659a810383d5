#pragma once

#include "core/app/Money.h"

#include <QDate>
#include <QList>
#include <QString>

// One stock-in bill as it is written: its header and its lines, in line order.
struct StockInBill
{
    struct Line
    {
        QString partNo;   // "编号"
        QString name;     // "配件名称"
        QString category; // "所属类别"
        QString model;     // "规格"
        QString unit;     // "单位"
        qint64 quantity = 0; // "数量"
        Money unitPrice;  // "进货单价"
        Money amount;     // "金额"
        QString warranty; // "保修期"
        QString remarks;  // "备注"
    };

    QString billNumber; // "单据编号"
    QString handledBy;  // "经办人"
    QDate date;         // "填单时间"
    QString supplier;   // "供应商"
    QString reason;     // "入库原因"
    QList<Line> lines;
};
