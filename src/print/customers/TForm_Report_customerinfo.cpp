#include "print/customers/TForm_Report_customerinfo.h"

QStringList TForm_Report_customerinfo::fields()
{
    return {QStringLiteral("客户名称"), QStringLiteral("类别"),     QStringLiteral("登记时间"), QStringLiteral("客户单位"),
            QStringLiteral("联系人"),   QStringLiteral("联系电话"), QStringLiteral("传真"),     QStringLiteral("地址"),
            QStringLiteral("邮编"),     QStringLiteral("电子邮件"), QStringLiteral("物资主管"), QStringLiteral("税号"),
            QStringLiteral("账号"),     QStringLiteral("乘车路线"), QStringLiteral("备注")};
}

ReportLayout TForm_Report_customerinfo::layout(const QString &title, std::shared_ptr<RowSource> customers)
{
    ReportLayout l;
    l.documentName = title.isEmpty() ? QStringLiteral("客户资料") : title;
    const double w = l.contentWidth(), cw = 22, h = 7;
    l.title.height = 16;
    l.title.text(0, 0, w, 10, title).size(16).heavy().centre().named(QStringLiteral("title"));

    l.fields = fields();
    l.source = std::move(customers);
    ReportBand &b = l.detail;
    // "单位/公司" shows "客户单位", "帐号" shows "账号".
    double y = b.pairs(2,
                       {{QStringLiteral("客户名称"), QStringLiteral("{客户名称}")},
                        {QStringLiteral("类别"), QStringLiteral("{类别}")},
                        {QStringLiteral("登记时间"), QStringLiteral("{登记时间}")},
                        {QStringLiteral("单位/公司"), QStringLiteral("{客户单位}")},
                        {QStringLiteral("联系人"), QStringLiteral("{联系人}")},
                        {QStringLiteral("联系电话"), QStringLiteral("{联系电话}")},
                        {QStringLiteral("传真"), QStringLiteral("{传真}")},
                        {QStringLiteral("邮编"), QStringLiteral("{邮编}")}},
                       2, w, cw, h);
    y = b.pairs(y, {{QStringLiteral("地址"), QStringLiteral("{地址}")}}, 1, w, cw, h);
    y = b.pairs(y,
                {{QStringLiteral("电子邮件"), QStringLiteral("{电子邮件}")},
                 {QStringLiteral("物资主管"), QStringLiteral("{物资主管}")},
                 {QStringLiteral("税号"), QStringLiteral("{税号}")},
                 {QStringLiteral("帐号"), QStringLiteral("{账号}")}},
                2, w, cw, h);
    y = b.pairs(y, {{QStringLiteral("乘车路线"), QStringLiteral("{乘车路线}")}}, 1, w, cw, h);
    y = b.pairs(y, {{QStringLiteral("备注"), QStringLiteral("{备注}")}}, 1, w, cw, 14);
    b.box(0, 2, w, y - 2);
    b.height = y + 6;
    return l;
}
