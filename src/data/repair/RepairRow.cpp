#include "data/repair/RepairRow.h"

#include "core/app/DateText.h"
#include "data/db/Sql.h"

namespace RepairRow {

const QStringList &columns()
{
    static const QStringList cols = {
        "业务编号", "接修日期", "接修时间", "经办人", "客户", "物件名称", "物件编号", "随机附件", "维修物类别",
        "维修物品牌", "故障描述", "送修类别", "服务方式", "预约时间", "上门时间", "保内", "技术员", "当前状态",
        "已处理天数", "配件费用", "维修费用", "附加费用", "附加费说明", "费用合计", "预付款", "实际收费",
        "收费方式", "发票号码", "配件成本", "毛利", "退款", "出库单据", "返回日期", "已经派工", "客户确认",
        "维修情况", "维修小结", "取消维修原因", "是否返修", "备注"};
    return cols;
}

QString selectList()
{
    static const QString list = [] {
        QStringList q;
        for (const QString &c : columns())
            q << u'"' + c + u'"';
        return q.join(QStringLiteral(", "));
    }();
    return list;
}

QVariant text(const QString &s) { return s.isNull() ? Sql::nullText() : QVariant(s); }
QVariant date(const QDate &d) { return d.isValid() ? QVariant(DateText::toText(d)) : Sql::nullText(); }
QVariant money(const Money &m) { return QVariant(qlonglong(m.units())); }

RepairJob read(const QSqlQuery &q)
{
    // Columns are read by position in columns() order: the select lists them that way.
    auto s = [&](int i) { return q.value(i).toString(); };
    auto m = [&](int i) { return Money::fromUnits(q.value(i).toLongLong()); };
    auto d = [&](int i) { return DateText::fromText(q.value(i).toString()); };
    RepairJob j;
    j.number = s(0); j.intakeDate = d(1); j.intakeTime = s(2); j.handledBy = s(3); j.customer = s(4);
    j.itemName = s(5); j.itemSerial = s(6); j.accessories = s(7); j.itemCategory = s(8); j.itemBrand = s(9);
    j.fault = s(10); j.intakeKind = s(11); j.serviceMode = s(12); j.appointment = s(13); j.visitTime = s(14);
    j.underWarranty = q.value(15).toInt() != 0; j.technician = s(16); j.state = s(17); j.daysInHand = s(18);
    j.partsFee = m(19); j.labourFee = m(20); j.extraFee = m(21); j.extraFeeNote = s(22); j.totalFee = m(23);
    j.prepayment = m(24); j.charged = m(25); j.paymentMethod = s(26); j.invoiceNumber = s(27);
    j.partsCost = m(28); j.grossProfit = m(29); j.refund = m(30); j.stockOutBill = s(31); j.endDate = d(32);
    j.dispatched = q.value(33).toInt() != 0; j.customerConfirmed = q.value(34).toInt() != 0;
    j.repairCondition = s(35); j.repairSummary = s(36); j.cancelReason = s(37); j.rework = s(38);
    j.remarks = s(39);
    return j;
}

QVariantList values(const RepairJob &j)
{
    return {text(j.number), date(j.intakeDate), text(j.intakeTime), text(j.handledBy), text(j.customer),
            text(j.itemName), text(j.itemSerial), text(j.accessories), text(j.itemCategory), text(j.itemBrand),
            text(j.fault), text(j.intakeKind), text(j.serviceMode), text(j.appointment), text(j.visitTime),
            int(j.underWarranty), text(j.technician), text(j.state), text(j.daysInHand), money(j.partsFee),
            money(j.labourFee), money(j.extraFee), text(j.extraFeeNote), money(j.totalFee), money(j.prepayment),
            money(j.charged), text(j.paymentMethod), text(j.invoiceNumber), money(j.partsCost),
            money(j.grossProfit), money(j.refund), text(j.stockOutBill), date(j.endDate), int(j.dispatched),
            int(j.customerConfirmed), text(j.repairCondition), text(j.repairSummary), text(j.cancelReason),
            text(j.rework), text(j.remarks)};
}
} // namespace RepairRow
