#include "print/repair/TForm_dispatchbill.h"

#include "core/app/DateText.h"
#include "print/repair/RepairPage.h"

ReportLayout TForm_dispatchbill::layout(const RepairJob &job, const std::optional<CustomerRecord> &customer,
                                        const ShopInfo &shop, const QDateTime &printedAt)
{
    const CustomerRecord c = customer.value_or(CustomerRecord());
    ReportLayout l = RepairPage::receiptSize(job.number + QStringLiteral("派修单"));
    ReportBand &b = l.title;
    b.text(0, 0, 190, 10, shop.name + QStringLiteral("派修单")).size(16).heavy().centre().named(QStringLiteral("title"));
    b.text(0, 11, 95, 6, QStringLiteral("业务编号:") + job.number).size(10);
    b.text(95, 11, 95, 6, QStringLiteral("接修日期:") + DateText::toText(job.intakeDate)).size(10).right();

    const double cw = 16, vw = 31.5, h = 8;
    auto pair = [&b](double x, double y, double w, double hh, const QString &caption, const QString &value) {
        b.cell(x, y, 16, hh, caption).size(9);
        b.cell(x + 16, y, w, hh, value).size(9).wrapped();
    };
    double y = 18;
    pair(0, y, vw, h, QStringLiteral("客户名称"), job.customer);
    pair(cw + vw, y, vw, h, QStringLiteral("联系电话"), c.phone);
    pair(2 * (cw + vw), y, vw, h, QStringLiteral("联系人"), c.contact);
    pair(3 * (cw + vw), y, vw, h, QStringLiteral("预约时间"), job.appointment);
    y += h;
    pair(0, y, 63, h, QStringLiteral("客户地址"), c.address);
    pair(79, y, 31.5, h, QStringLiteral("乘车路线"), c.route);
    pair(126.5, y, 47.5, h, QStringLiteral("出发时间"), job.visitTime);
    y += h;
    pair(0, y, vw, h, QStringLiteral("维修物"), job.itemName);
    pair(cw + vw, y, vw, h, QStringLiteral("修物类别"), job.itemCategory);
    pair(2 * (cw + vw), y, vw, h, QStringLiteral("修物品牌"), job.itemBrand);
    pair(3 * (cw + vw), y, vw, h, QStringLiteral("修物SN"), QString());
    y += h;
    pair(0, y, 79, 14, QStringLiteral("报称故障"), job.fault);
    pair(95, y, 79, 14, QStringLiteral("处理结果"), QString());
    y += 14;

    // Left: parts replaced, warranty notes and remarks, written in on site.
    b.cell(0, y, 120, 14, QStringLiteral("更换配件")).size(9).top();
    b.cell(0, y + 14, 120, 12, QStringLiteral("保修说明")).size(9).top();
    b.cell(0, y + 26, 120, 14, QStringLiteral("备注：")).size(9).top();
    // Right: the fees, blank.
    const QStringList fees = {QStringLiteral("维修费用"), QStringLiteral("附加费用"), QStringLiteral("配件费用"),
                              QStringLiteral("合计"), QStringLiteral("费用说明")};
    for (int i = 0; i < fees.size(); ++i) {
        b.cell(120, y + i * 8, 20, 8, fees[i]).size(9);
        b.cell(140, y + i * 8, 50, 8, QString());
    }
    y += 42;
    b.text(120, y, 35, 7, QStringLiteral("确认收费：")).size(9);
    b.text(155, y, 35, 7, QStringLiteral("带回维修：")).size(9);
    y += 8;
    b.text(0, y, 50, 7, QStringLiteral("维修技术员:") + job.technician).size(9);
    b.text(50, y, 38, 7, QStringLiteral("客户签名：")).size(9);
    b.text(88, y, 38, 7, QStringLiteral("主管签字：")).size(9);
    b.text(126, y, 64, 7, QStringLiteral("制单时间：") + printedAt.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")))
        .size(9)
        .right();
    b.height = y + 7;
    return l;
}
