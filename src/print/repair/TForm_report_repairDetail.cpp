#include "print/repair/TForm_report_repairDetail.h"

#include "core/app/DateText.h"
#include "print/repair/RepairPage.h"

namespace {
QString yesNo(bool b)
{
    return b ? QStringLiteral("是") : QStringLiteral("否");
}
} // namespace

ReportLayout TForm_report_repairDetail::layout(const RepairJob &job, bool underWarranty, bool dispatched,
                                               const std::optional<CustomerRecord> &customer,
                                               const QList<RepairPartLine> &parts, const ShopInfo &shop,
                                               const QDate &printedOn)
{
    const CustomerRecord c = customer.value_or(CustomerRecord());
    ReportLayout l = RepairPage::a4(job.number + QStringLiteral("维修业务祥单"));
    ReportBand &b = l.title;
    const double w = 190, cw = 18, h = 7;
    b.text(0, 0, w, 10, shop.name + QStringLiteral("维修业务祥单")).size(16).heavy().centre().named(QStringLiteral("title"));

    double y = 12;
    b.text(0, y, w, 6, QStringLiteral("客户情况：")).size(10).heavy();
    y = b.pairs(y + 6,
                {{QStringLiteral("客户名称"), c.name},
                 {QStringLiteral("类别"), c.customerClass},
                 {QStringLiteral("所属单位"), c.company},
                 {QStringLiteral("联系人"), c.contact},
                 {QStringLiteral("地址"), c.address},
                 {QStringLiteral("邮编"), c.postCode},
                 {QStringLiteral("电子邮件"), c.email},
                 {QStringLiteral("物资主管"), c.manager},
                 {QStringLiteral("电话"), c.phone},
                 {QStringLiteral("乘车路线"), c.route},
                 {QStringLiteral("账号"), c.account},
                 {QStringLiteral("税号"), c.taxNumber}},
                4, w, cw, h);
    y = b.pairs(y, {{QStringLiteral("备注："), c.remarks}}, 1, w, cw, h);

    y += 2;
    b.text(0, y, w, 6, QStringLiteral("业务情况：")).size(10).heavy();
    y = b.pairs(y + 6,
                {{QStringLiteral("业务编号"), job.number},
                 {QStringLiteral("当前状态"), job.state},
                 {QStringLiteral("接修时间"), DateText::toText(job.intakeDate)},
                 {QStringLiteral("经办人"), job.handledBy},
                 {QStringLiteral("服务方式"), job.serviceMode},
                 {QStringLiteral("技术员"), job.technician},
                 {QStringLiteral("返还日期"), DateText::toText(job.endDate)},
                 {QStringLiteral("保内"), yesNo(underWarranty)},
                 {QStringLiteral("预约时间"), job.appointment},
                 {QStringLiteral("上门时间"), job.visitTime},
                 {QStringLiteral("送修类型"), job.intakeKind},
                 {QStringLiteral("已经派工"), yesNo(dispatched)},
                 {QStringLiteral("修物名称"), job.itemName},
                 {QStringLiteral("编号/SN"), job.itemSerial},
                 {QStringLiteral("修物类别"), job.itemCategory},
                 {QStringLiteral("修物品牌"), job.itemBrand}},
                4, w, cw, h);
    y = b.pairs(y, {{QStringLiteral("随机附件"), job.accessories}, {QStringLiteral("取消原因"), job.cancelReason}}, 2, w,
                cw, h);
    y = b.pairs(y, {{QStringLiteral("故障描述"), job.fault}}, 1, w, cw, 12);
    y = b.pairs(y, {{QStringLiteral("维修小结"), job.repairSummary}}, 1, w, cw, 12);
    y = b.pairs(y, {{QStringLiteral("备注"), job.remarks}}, 1, w, cw, h);

    y += 2;
    b.text(0, y, w, 6, QStringLiteral("费用情况：")).size(10).heavy();
    y = b.pairs(y + 6,
                {{QStringLiteral("配件费"), job.partsFee.toText()},
                 {QStringLiteral("维修费"), job.labourFee.toText()},
                 {QStringLiteral("附加费"), job.extraFee.toText()},
                 {QStringLiteral("合计"), job.totalFee.toText()},
                 {QStringLiteral("预付款"), job.prepayment.toText()},
                 {QStringLiteral("实际收费"), job.charged.toText()},
                 {QStringLiteral("返修退款"), job.refund.toText()},
                 {QStringLiteral("收款方式"), job.paymentMethod}},
                4, w, cw, h);
    y = b.pairs(y, {{QStringLiteral("附加费说明"), job.extraFeeNote}}, 1, w, cw, h);
    y += 2;
    b.text(0, y, w, 6, QStringLiteral("更换配件：")).size(10).heavy();
    b.height = y + 6;

    l.setColumns({{QStringLiteral("编号"), 35}, {QStringLiteral("名称"), 70}, {QStringLiteral("数目"), 20, Qt::AlignRight | Qt::AlignVCenter},
                  {QStringLiteral("单价"), 25, Qt::AlignRight | Qt::AlignVCenter}, {QStringLiteral("SN"), 40}});
    for (const RepairPartLine &p : parts)
        l.rows << QStringList{p.partCode, p.partName, QString::number(p.quantity), p.unitPrice.toText(), p.serial};

    l.summary.height = 9;
    l.summary.text(0, 2, 95, 7, QStringLiteral("打印日期：") + DateText::toText(printedOn)).size(9);
    l.summary.text(95, 2, 95, 7, QStringLiteral("页码：{page}")).size(9).right();
    return l;
}
