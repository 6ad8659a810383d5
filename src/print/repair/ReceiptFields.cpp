#include "print/repair/ReceiptFields.h"

#include "core/app/DateText.h"

ReceiptFields ReceiptFields::from(const RepairJob &job, ReceiptSource source, const QString &organisation,
                                  const ShopInfo &shop)
{
    ReceiptFields f;
    f.number = job.number;
    f.handledBy = job.handledBy;
    f.customer = job.customer;
    f.itemName = job.itemName;
    f.serial = job.itemSerial;
    f.accessories = job.accessories;
    f.prepayment = job.prepayment.toText();
    f.fault = job.fault;
    f.remarks = job.remarks;
    f.intake = DateText::toText(job.intakeDate);
    f.pickupTerm = shop.pickupTerm;
    if (source == ReceiptSource::Rework)
        return f;
    if (source == ReceiptSource::Registration)
        f.intake += QLatin1Char('(') + job.intakeTime + QLatin1Char(')');
    f.organisation = organisation;
    f.category = job.itemCategory;
    f.brand = job.itemBrand;
    f.warrantyLine = job.underWarranty ? QStringLiteral("保内：是") : QStringLiteral("保内：否");
    f.onSiteLine = job.serviceMode == QStringLiteral("上门维修") ? QStringLiteral("上门维修：是")
                                                                  : QStringLiteral("上门维修：否");
    return f;
}
