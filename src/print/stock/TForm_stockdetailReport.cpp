#include "print/stock/TForm_stockdetailReport.h"

ReportLayout TForm_stockdetailReport::layout(const QList<StockSheetRow> &rows, const QString &dateText)
{
    ReportLayout l;
    l.documentName = QStringLiteral("库存商品明细");
    const double w = l.contentWidth();
    l.title.text(0, 0, w, 10, QStringLiteral("库存商品明细")).size(16).heavy().centre();
    l.title.text(w - 70, 11, 70, 6, dateText).size(9).right().named(QStringLiteral("date"));
    l.title.height = 19;

    // Four lines of caption/value cells; the fields are the row's texts by name.
    l.fields = {QStringLiteral("编号"),     QStringLiteral("名称"),   QStringLiteral("类别"),   QStringLiteral("库存"),
                QStringLiteral("保修期"),   QStringLiteral("进货单价"), QStringLiteral("规格"), QStringLiteral("单位"),
                QStringLiteral("警戒库存"), QStringLiteral("供货商"), QStringLiteral("配件申请"), QStringLiteral("备注")};
    ReportBand &d = l.detail;
    const double h = 6, cw = 18;
    auto pairAt = [&](double x, double y, double width, const QString &caption, const QString &field) {
        d.cell(x, y, cw, h, caption).size(9);
        d.cell(x + cw, y, width - cw, h, u'{' + field + u'}').size(9).wrapped();
    };
    const double q = w / 4;
    pairAt(0, 0, 2 * q, QStringLiteral("配件编号"), QStringLiteral("编号"));
    pairAt(2 * q, 0, 2 * q, QStringLiteral("名称"), QStringLiteral("名称"));
    pairAt(0, h, q, QStringLiteral("所属类别"), QStringLiteral("类别"));
    pairAt(q, h, q, QStringLiteral("库存"), QStringLiteral("库存"));
    pairAt(2 * q, h, q, QStringLiteral("保修期"), QStringLiteral("保修期"));
    pairAt(3 * q, h, q, QStringLiteral("进货单价"), QStringLiteral("进货单价"));
    pairAt(0, 2 * h, q, QStringLiteral("规格"), QStringLiteral("规格"));
    pairAt(q, 2 * h, q, QStringLiteral("单位"), QStringLiteral("单位"));
    pairAt(2 * q, 2 * h, q, QStringLiteral("警戒库存"), QStringLiteral("警戒库存"));
    pairAt(3 * q, 2 * h, q, QStringLiteral("供货商"), QStringLiteral("供货商"));
    pairAt(0, 3 * h, q, QStringLiteral("当前申请"), QStringLiteral("配件申请"));
    pairAt(q, 3 * h, 3 * q, QStringLiteral("备注"), QStringLiteral("备注"));
    d.box(0, 0, w, 4 * h);
    d.height = 4 * h + 3; // a gap between the blocks
    for (const StockSheetRow &r : rows)
        l.rows << QStringList{r.partNo,    r.name,  r.category,     r.quantity, r.warranty,  r.price,
                              r.model,     r.unit,  r.warningLevel, r.supplier, r.requested, r.remarks};

    l.pageFooter.height = 6;
    l.pageFooter.text(0, 0, w, 6, QStringLiteral("第{page}页")).size(8).right();
    return l;
}
