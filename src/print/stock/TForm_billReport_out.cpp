#include "print/stock/TForm_billReport_out.h"

ReportLayout TForm_billReport_out::layout(const StockBillSheet &bill)
{
    ReportLayout l;
    l.documentName = bill.number + QStringLiteral("出库单");
    const double w = l.contentWidth();
    l.title.text(0, 0, w, 10, QStringLiteral("出库单")).size(16).heavy().centre();
    l.title.text(0, 12, w / 2, 6, QStringLiteral("单据编号:") + bill.number).size(10).named(QStringLiteral("number"));
    l.title.text(w / 2, 12, w / 2, 6, QStringLiteral("出库原因:") + bill.reason).size(10).named(QStringLiteral("reason"));
    l.title.height = 20;

    l.setColumns({{QStringLiteral("配件编号"), 28},
                  {QStringLiteral("配件名称"), 45, Qt::AlignLeft | Qt::AlignVCenter, true},
                  {QStringLiteral("类别"), 25},
                  {QStringLiteral("规格"), 25},
                  {QStringLiteral("单位"), 14},
                  {QStringLiteral("数量"), 18, Qt::AlignRight | Qt::AlignVCenter},
                  {QStringLiteral("保修期"), 0}});
    for (const StockBillSheet::Line &line : bill.lines)
        l.rows << QStringList{line.partNo, line.name, line.category, line.model, line.unit, line.quantity, line.warranty};

    l.summary.height = 10;
    l.summary.line(0, 1, w, 1);
    l.summary.text(0, 3, w / 3, 6, QStringLiteral("经办人:") + bill.handledBy).size(10).named(QStringLiteral("handledBy"));
    l.summary.text(w / 3, 3, w / 3, 6, QStringLiteral("填单日期:") + bill.date).size(10).named(QStringLiteral("date"));
    return l;
}
