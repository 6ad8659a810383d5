#pragma once

#include <QDate>
#include <QList>
#include <QString>

// One stock-out bill as the stock-out screen writes it: its header and its lines, in line order.
struct StockOutBill
{
    struct Line
    {
        QString partNo;   // "编号"
        QString name;     // "配件名称"
        QString category; // "所属类别"
        QString model;    // "规格"
        QString unit;     // "单位"
        qint64 quantity = 0; // "数量"
        QString remarks;  // "备注"
    };

    QString billNumber; // "单据编号"
    QString handledBy;  // "经办人"
    QDate date;         // "填单时间"
    QString reason;     // "出库原因"
    QList<Line> lines;
};
