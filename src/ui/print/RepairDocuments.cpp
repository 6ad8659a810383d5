#include "ui/print/RepairDocuments.h"

#include "forms/app/AppContext.h"
#include "forms/repair/RepairDocumentData.h"
#include "print/repair/TForm_dispatchbill.h"
#include "print/repair/TForm_receipt.h"
#include "print/repair/TForm_report_fee.h"
#include "print/repair/TForm_report_repairDetail.h"
#include "ui/print/TForm_Preview.h"

#include <QDateTime>

namespace RepairDocuments {

void showReceipt(AppContext &ctx, const RepairJob &job, ReceiptSource source, QWidget *parent)
{
    const RepairDocumentData data(ctx);
    const ShopInfo shop = data.shop();
    QString organisation;
    if (source != ReceiptSource::Rework) {
        if (const auto customer = data.customer(job.customer))
            organisation = customer->company;
    }
    const ReportLayout layout = TForm_receipt::layout(ReceiptFields::from(job, source, organisation, shop), shop);
    TForm_Preview::showDocument(ctx.prompt(), layout, parent);
}

void showDispatchBill(AppContext &ctx, const RepairJob &job, QWidget *parent)
{
    const RepairDocumentData data(ctx);
    const ShopInfo shop = data.shop();
    const auto customer = data.customer(job.customer);
    const QDateTime now(ctx.today(), QTime::currentTime());
    TForm_Preview::showDocument(ctx.prompt(), TForm_dispatchbill::layout(job, customer, shop, now), parent);
}

void showChargeList(AppContext &ctx, const RepairJob &job, const ChargeListFees &fees, QWidget *parent)
{
    const RepairDocumentData data(ctx);
    const ShopInfo shop = data.shop();
    const QList<RepairPartLine> parts = data.partLines(job.number);
    TForm_Preview::showDocument(ctx.prompt(), TForm_report_fee::layout(job, fees, parts, shop, ctx.today()), parent);
}

void showRepairDetailSheet(AppContext &ctx, const RepairJob &job, bool underWarranty, bool dispatched, QWidget *parent)
{
    const RepairDocumentData data(ctx);
    const ShopInfo shop = data.shop();
    const auto customer = data.customer(job.customer);
    const QList<RepairPartLine> parts = data.partLines(job.number);
    TForm_Preview::showDocument(
        ctx.prompt(),
        TForm_report_repairDetail::layout(job, underWarranty, dispatched, customer, parts, shop, ctx.today()), parent);
}

} // namespace RepairDocuments
