#include "print/sales/TForm_reportsellbill.h"

#include "core/app/DateText.h"

ReportLayout TForm_reportsellbill::layout(const Sale &sale, const QList<SaleLine> &lines)
{
    ReportLayout l;
    l.documentName = sale.number + QStringLiteral("销售单");
    l.pageSize = QSizeF(210, 148); // half an A4 sheet, as a counter bill
    l.margins = QMarginsF(10, 10, 10, 10);

    ReportBand &b = l.title;
    const double w = l.contentWidth();
    b.text(0, 0, w, 10, QStringLiteral("销售单")).size(16).heavy().centre().named(QStringLiteral("title"));
    b.line(0, 11, w, 11);
    // Three rows of three caption and value pairs, unruled.
    const QList<QList<QPair<QString, QString>>> rows = {
        {{QStringLiteral("业务编号："), sale.number},
         {QStringLiteral("日期："), DateText::toText(sale.date)},
         {QStringLiteral("经办人："), sale.handledBy}},
        {{QStringLiteral("客户名称："), sale.customer},
         {QStringLiteral("客户类别："), sale.customerClass},
         {QStringLiteral("客户电话："), sale.phone}},
        {{QStringLiteral("应收款："), sale.due.toFixed2()},
         {QStringLiteral("实收款："), sale.received.toFixed2()},
         {QStringLiteral("发票号码："), sale.invoiceNumber}},
    };
    const double third = w / 3, caption = 20, h = 6;
    double y = 13;
    for (const auto &row : rows) {
        for (int i = 0; i < row.size(); ++i) {
            b.text(i * third, y, caption, h, row[i].first).size(9);
            b.text(i * third + caption, y, third - caption, h, row[i].second).size(9);
        }
        y += h;
    }
    b.line(0, y + 1, w, y + 1);
    b.height = y + 3;

    const int right = Qt::AlignRight | Qt::AlignVCenter;
    l.setColumns({{QStringLiteral("商品编号"), 28},
                  {QStringLiteral("商品名称"), 50, Qt::AlignLeft | Qt::AlignVCenter, true},
                  {QStringLiteral("单位"), 14},
                  {QStringLiteral("数量"), 16, right},
                  {QStringLiteral("单价"), 24, right},
                  {QStringLiteral("金额"), 26, right},
                  {QStringLiteral("保修期"), 0}});
    for (const SaleLine &line : lines)
        l.rows << QStringList{line.partNo,
                              line.name,
                              line.unit,
                              QString::number(line.quantity),
                              line.unitPrice.toFixed2(),
                              line.amount.toFixed2(),
                              line.warranty};
    return l;
}
