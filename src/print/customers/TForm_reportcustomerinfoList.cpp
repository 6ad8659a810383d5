#include "print/customers/TForm_reportcustomerinfoList.h"

#include "core/app/DateText.h"

QStringList TForm_reportcustomerinfoList::fields()
{
    return {QStringLiteral("客户名称"), QStringLiteral("客户单位"), QStringLiteral("类别"), QStringLiteral("联系人"),
            QStringLiteral("联系电话"), QStringLiteral("传真"),     QStringLiteral("地址")};
}

ReportLayout TForm_reportcustomerinfoList::layout(const QString &title, std::shared_ptr<RowSource> customers,
                                                  const QDate &printedOn)
{
    ReportLayout l;
    l.documentName = title.isEmpty() ? QStringLiteral("客户列表") : title;
    const double w = l.contentWidth();
    l.title.height = 16;
    l.title.text(0, 0, w, 10, title).size(16).heavy().centre().named(QStringLiteral("title"));
    l.title.line(0, 13, w, 13);

    l.fields = fields();
    l.source = std::move(customers);
    ReportBand &b = l.detail;
    const double pt = 9, h = 5;
    b.text(0, 1, 95, h, QStringLiteral("名称：{客户名称}")).size(pt).heavy();
    b.text(95, 1, 65, h, QStringLiteral("单位：{客户单位}")).size(pt);
    b.text(160, 1, w - 160, h, QStringLiteral("类别：{类别}")).size(pt);
    b.text(0, 6, 60, h, QStringLiteral("联系人：{联系人}")).size(pt);
    b.text(60, 6, 65, h, QStringLiteral("电话：{联系电话}")).size(pt);
    b.text(125, 6, w - 125, h, QStringLiteral("传真：{传真}")).size(pt);
    b.text(0, 11, w, h, QStringLiteral("地址：{地址}")).size(pt);
    b.line(0, 17, w, 17);
    b.height = 18;

    l.pageFooter.height = 6;
    l.pageFooter.text(0, 0, w / 2, 6, QStringLiteral("页码：{page}")).size(8);
    l.pageFooter.text(w / 2, 0, w / 2, 6, QStringLiteral("日期：") + DateText::toText(printedOn)).size(8).right();
    return l;
}
