#include "print/customers/TForm_Mailtag.h"

QStringList TForm_Mailtag::fields()
{
    return {QStringLiteral("邮编"), QStringLiteral("地址"), QStringLiteral("联系人")};
}

ReportLayout TForm_Mailtag::layout(const QString &shopAddress, const QString &shopPostCode,
                                   std::shared_ptr<RowSource> customers)
{
    ReportLayout l;
    l.documentName = QStringLiteral("信签");
    const double w = l.contentWidth();
    l.fields = fields();
    l.source = std::move(customers);
    ReportBand &b = l.detail;
    b.text(0, 3, w, 8, QStringLiteral("邮编：{邮编}")).size(11);
    b.text(0, 12, w, 8, QStringLiteral("地址：{地址}")).size(12);
    b.text(0, 21, w, 8, QStringLiteral("收件人：{联系人}")).size(12).heavy();
    b.text(0, 32, w, 7, QStringLiteral("寄件地址：") + shopAddress).size(10);
    b.text(0, 40, w, 7, QStringLiteral("邮编：") + shopPostCode).size(10);
    b.line(0, 52, w / 2 - 12, 52).dots();
    b.text(w / 2 - 12, 49.5, 24, 5, QStringLiteral("剪切线")).size(7).centre();
    b.line(w / 2 + 12, 52, w, 52).dots();
    b.height = 54;
    return l;
}
