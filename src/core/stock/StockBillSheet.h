#pragma once

#include <QList>
#include <QString>

// One stock bill as its printout shows it: the header of the row chosen in the bill list and the
// texts of the bill's lines.
struct StockBillSheet
{
    struct Line
    {
        QString partNo;   // "编号"
        QString name;     // "配件名称"
        QString category; // "所属类别"
        QString model;    // "规格"
        QString unit;     // "单位"
        QString quantity; // "数量"
        QString price;    // "进货单价" (stock-in)
        QString amount;   // "金额" (stock-in)
        QString warranty; // "保修期"
    };

    QString number;    // "单据编号"
    QString supplier;  // "供应商" (stock-in)
    QString reason;    // "入库原因" / "出库原因"
    QString handledBy; // "经办人"
    QString date;      // "填单时间" as stored, "yyyy-mm-dd"
    QList<Line> lines;
};
