#include "print/repair/TForm_report_fee.h"

#include "core/app/DateText.h"
#include "print/repair/RepairPage.h"

ReportLayout TForm_report_fee::layout(const RepairJob &job, const ChargeListFees &fees,
                                      const QList<RepairPartLine> &parts, const ShopInfo &shop, const QDate &printedOn)
{
    ReportLayout l = RepairPage::receiptSize(job.number + QStringLiteral("维修收费清单"));
    ReportBand &b = l.title;
    b.text(0, 0, 190, 9, shop.name + QStringLiteral("维修收费清单")).size(16).heavy().centre().named(QStringLiteral("title"));
    b.text(0, 10, 63, 6, QStringLiteral("业务编号：") + job.number).size(9);
    b.text(63, 10, 63, 6, QStringLiteral("客户名称：") + job.customer).size(9);
    b.text(126, 10, 64, 6, QStringLiteral("维修物：") + job.itemName).size(9);
    double y = b.pairs(17,
                       {{QStringLiteral("材料费"), fees.partsFee},
                        {QStringLiteral("维修费"), fees.labourFee},
                        {QStringLiteral("附加费"), fees.extraFee},
                        {QStringLiteral("合计"), fees.total},
                        {QStringLiteral("已收"), fees.received},
                        {QStringLiteral("应收"), fees.due},
                        {QStringLiteral("实收"), fees.charged},
                        {QStringLiteral("发票号"), fees.invoiceNumber},
                        {QStringLiteral("收款方式"), fees.paymentMethod}},
                       5, 190, 16, 6);
    b.cell(0, y, 190, 6, QStringLiteral("附加费说明：") + job.extraFeeNote).size(9);
    y += 7;
    b.text(0, y, 190, 5, QStringLiteral("保修条款：")).size(9).heavy();
    y += 5;
    for (const QString &clause : {shop.warrantyClause1, shop.warrantyClause2, shop.warrantyClause3}) {
        b.text(4, y, 186, 5, clause).size(8);
        y += 5;
    }
    b.text(0, y + 1, 190, 6, QStringLiteral("更换（新增）配件：")).size(9).heavy();
    b.height = y + 7;

    l.setColumns({{QStringLiteral("编号"), 35}, {QStringLiteral("名称"), 75}, {QStringLiteral("数目"), 20, Qt::AlignRight | Qt::AlignVCenter},
                  {QStringLiteral("单价"), 30, Qt::AlignRight | Qt::AlignVCenter}, {QStringLiteral("合计"), 30, Qt::AlignRight | Qt::AlignVCenter}});
    for (const RepairPartLine &p : parts)
        l.rows << QStringList{p.partCode, p.partName, QString::number(p.quantity), p.unitPrice.toText(), p.total.toText()};

    l.summary.height = 9;
    l.summary.text(0, 2, 60, 7, QStringLiteral("收款人：")).size(9);
    l.summary.text(60, 2, 60, 7, QStringLiteral("审核：")).size(9);
    l.summary.text(120, 2, 70, 7, QStringLiteral("制单时间：") + DateText::toText(printedOn)).size(9).right();
    return l;
}
