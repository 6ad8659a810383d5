#include "print/stock/TForm_billReportin.h"

ReportLayout TForm_billReportin::layout(const StockBillSheet &bill)
{
    ReportLayout l;
    l.documentName = bill.number + QStringLiteral("入库单");
    const double w = l.contentWidth();
    l.title.text(0, 0, w, 10, QStringLiteral("入库单")).size(16).heavy().centre();
    l.title.text(0, 12, 63, 6, QStringLiteral("单据编号:") + bill.number).size(10).named(QStringLiteral("number"));
    l.title.text(63, 12, 63, 6, QStringLiteral("供应商:") + bill.supplier).size(10).named(QStringLiteral("supplier"));
    l.title.text(126, 12, w - 126, 6, QStringLiteral("入库原因:") + bill.reason).size(10).named(QStringLiteral("reason"));
    l.title.height = 20;

    const auto right = Qt::AlignRight | Qt::AlignVCenter;
    l.setColumns({{QStringLiteral("配件编号"), 25},
                  {QStringLiteral("配件名称"), 40, Qt::AlignLeft | Qt::AlignVCenter, true},
                  {QStringLiteral("类别"), 22},
                  {QStringLiteral("规格"), 22},
                  {QStringLiteral("单位"), 12},
                  {QStringLiteral("数量"), 15, right},
                  {QStringLiteral("单价"), 25, right},
                  {QStringLiteral("金额"), 0, right}});
    for (const StockBillSheet::Line &line : bill.lines)
        l.rows << QStringList{line.partNo, line.name,     line.category, line.model,
                              line.unit,   line.quantity, line.price,    line.amount};

    l.summary.height = 10;
    l.summary.line(0, 1, w, 1);
    l.summary.text(0, 3, w / 3, 6, QStringLiteral("经办人:") + bill.handledBy).size(10).named(QStringLiteral("handledBy"));
    l.summary.text(w / 3, 3, w / 3, 6, QStringLiteral("日期:") + bill.date).size(10).named(QStringLiteral("date"));
    return l;
}
