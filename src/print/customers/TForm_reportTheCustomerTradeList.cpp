#include "print/customers/TForm_reportTheCustomerTradeList.h"

#include "core/app/DateText.h"

namespace {
ReportColumn money(const QString &caption, double width)
{
    return {caption, width, int(Qt::AlignRight | Qt::AlignVCenter)};
}
} // namespace

ReportLayout TForm_reportTheCustomerTradeList::layout(const QString &shopName, const QString &customer,
                                                      const QStringList &summaryLines, const Dealings &dealings,
                                                      const QDate &printedOn)
{
    ReportLayout l;
    l.documentName = customer + QStringLiteral("业务明细");
    const double w = l.contentWidth();
    ReportBand &t = l.title;
    t.text(0, 0, w, 10, shopName + QStringLiteral("业务明细")).size(16).heavy().centre().named(QStringLiteral("title"));
    t.text(0, 12, w, 7, QStringLiteral("用户名称：") + customer).size(11).named(QStringLiteral("customer"));
    t.text(0, 20, w, 6, QStringLiteral("概述：")).size(10).heavy();
    double y = 26;
    for (const QString &line : summaryLines) {
        t.text(0, y, w, 6, line).size(10);
        y += 6;
    }
    t.line(0, y + 1, w, y + 1);
    t.height = y + 3;

    l.rowHeight = 6.5;
    l.detailPt = 8.5;
    const auto text = [](const QString &caption, double width) { return ReportColumn{caption, width}; };
    l.addSection(QStringLiteral("处理中的维修业务："),
                 {text(QStringLiteral("业务编号"), 32), text(QStringLiteral("当前状态"), 18),
                  text(QStringLiteral("接修日期"), 22), text(QStringLiteral("经办人"), 20),
                  text(QStringLiteral("维修物"), 46), money(QStringLiteral("费用合计"), 24),
                  text(QStringLiteral("技术员"), 0)},
                 dealings.inHand);
    l.addSection(QStringLiteral("历史维修业务："),
                 {text(QStringLiteral("业务编号"), 32), text(QStringLiteral("当前状态"), 18),
                  text(QStringLiteral("接修日期"), 22), text(QStringLiteral("经办人"), 20),
                  text(QStringLiteral("维修物"), 42), text(QStringLiteral("返还日期"), 22),
                  money(QStringLiteral("实际收费"), 0)},
                 dealings.finished);
    l.addSection(QStringLiteral("历史销售业务："),
                 {text(QStringLiteral("业务编号"), 40), text(QStringLiteral("经办人"), 40),
                  text(QStringLiteral("日期"), 40), money(QStringLiteral("实收款"), 0)},
                 dealings.sales);

    l.pageFooter.height = 6;
    l.pageFooter.text(0, 0, w / 2, 6, QStringLiteral("页码：{page}")).size(8);
    l.pageFooter.text(w / 2, 0, w / 2, 6, QStringLiteral("日期：") + DateText::toText(printedOn)).size(8).right();
    return l;
}
