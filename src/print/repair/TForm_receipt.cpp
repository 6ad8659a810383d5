#include "print/repair/TForm_receipt.h"

#include "print/repair/RepairPage.h"

ReportLayout TForm_receipt::layout(const ReceiptFields &f, const ShopInfo &shop)
{
    ReportLayout l = RepairPage::receiptSize(f.number + QStringLiteral("维修取物凭证"));
    ReportBand &b = l.title;
    b.text(0, 0, 190, 10, shop.name + QStringLiteral("维修取物凭证")).size(16).heavy().centre().named(QStringLiteral("title"));

    // Caption and value widths of the three pairs of a row.
    const double c1 = 16, v1 = 47, c2 = 18, v2 = 45, c3 = 20, v3 = 44;
    const double x2 = c1 + v1, x3 = x2 + c2 + v2;
    const double h = 9;
    double y = 12;
    auto pair = [&b](double x, double yy, double cw, double vw, double hh, const QString &caption, const QString &value) {
        b.cell(x, yy, cw, hh, caption).size(10);
        b.cell(x + cw, yy, vw, hh, value).size(10).wrapped();
    };

    pair(0, y, c1, v1, h, QStringLiteral("编号"), f.number);
    pair(x2, y, c2, v2, h, QStringLiteral("接修时间"), f.intake);
    pair(x3, y, c3, v3, h, QStringLiteral("经办人"), f.handledBy);
    y += h;
    pair(0, y, c1, v1, h, QStringLiteral("客户"), f.customer);
    pair(x2, y, c2, v2 + c3 + v3, h, QStringLiteral("客户单位"), f.organisation);
    y += h;
    pair(0, y, c1, v1, h, QStringLiteral("维修物"), f.itemName);
    pair(x2, y, c2, v2, h, QStringLiteral("修物类别"), f.category);
    pair(x3, y, c3, v3, h, QStringLiteral("修物品牌"), f.brand);
    y += h;
    pair(0, y, c1, v1, h, QStringLiteral("修物SN"), f.serial);
    pair(x2, y, c2, v2, h, QStringLiteral("随机附件"), f.accessories);
    pair(x3, y, c3, v3, h, QStringLiteral("预付款"), f.prepayment);
    y += h;
    pair(0, y, c1, v1 + c2 + v2, 12, QStringLiteral("故障"), f.fault);
    pair(x3, y, c3, v3, 12, QStringLiteral("取物有效期"), f.pickupTerm);
    y += 12;
    pair(0, y, c1, v1, h, QStringLiteral("备注"), f.remarks);
    b.cell(x2, y, c2 + v2, h, f.warrantyLine).size(10);
    b.cell(x3, y, c3 + v3, h, f.onSiteLine).size(10);
    y += h;
    b.cell(0, y, 190, h,
           QStringLiteral("联系电话：") + shop.phone + QStringLiteral("  传真：") + shop.fax + QStringLiteral("  地址：")
               + shop.address + QStringLiteral("  邮编：") + shop.postCode)
        .size(10);
    y += h + 3;
    b.text(0, y, 70, 7, QStringLiteral("客户确认签字：")).size(10);
    b.text(70, y, 120, 7, QStringLiteral("注：该凭证作为维修取物之用，请妥善保管。")).size(10).right();
    b.height = y + 7;
    return l;
}
