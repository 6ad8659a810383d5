#include "print/stock/TForm_stock_report.h"

ReportLayout TForm_stock_report::layout(const QList<StockSheetRow> &rows, const QString &totalValue,
                                        const QString &dateText)
{
    ReportLayout l;
    l.documentName = QStringLiteral("当前库存列表");
    const double w = l.contentWidth();
    l.title.text(0, 0, w, 10, QStringLiteral("当前库存列表")).size(16).heavy().centre();
    l.title.line(0, 12, w, 12);
    l.title.height = 14;

    l.setColumns({{QStringLiteral("编号"), 40}, {QStringLiteral("名称"), 80, Qt::AlignLeft | Qt::AlignVCenter, true},
                  {QStringLiteral("类别"), 40}, {QStringLiteral("库存"), 0, Qt::AlignRight | Qt::AlignVCenter}});
    for (const StockSheetRow &r : rows)
        l.rows << QStringList{r.partNo, r.name, r.category, r.quantity};

    l.summary.height = 12;
    l.summary.line(0, 2, w, 2);
    l.summary.text(0, 4, w / 2, 7, QStringLiteral("库存总价值:") + totalValue).size(10).named(QStringLiteral("value"));
    l.summary.text(w / 2, 4, w / 2, 7, dateText).size(10).right().named(QStringLiteral("date"));

    l.pageFooter.height = 6;
    l.pageFooter.text(0, 0, w, 6, QStringLiteral("第{page}页")).size(8).right();
    return l;
}
