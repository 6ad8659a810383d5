#pragma once

#include "print/print/ReportLayout.h"

#include <QDate>

// A customer's dealings: the shop's name + "业务明细", the customer and the four summary lines,
// then the repairs in hand, the finished repairs and the sales, each under its heading and
// captions, with the page number and the date of printing at the foot of every page.
class TForm_reportTheCustomerTradeList
{
public:
    // Each section's rows hold these columns, in this order:
    //   in hand:  业务编号, 当前状态, 接修日期, 经办人, 物件名称, 费用合计, 技术员
    //   finished: 业务编号, 当前状态, 接修日期, 经办人, 物件名称, 返回日期, 实际收费
    //   sales:    业务编号, 经办人, 日期, 实收款
    struct Dealings
    {
        QList<QStringList> inHand;
        QList<QStringList> finished;
        QList<QStringList> sales;
    };
    static ReportLayout layout(const QString &shopName, const QString &customer, const QStringList &summaryLines,
                               const Dealings &dealings, const QDate &printedOn);
};
