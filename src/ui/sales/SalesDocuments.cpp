#include "ui/sales/SalesDocuments.h"

#include "forms/app/AppContext.h"
#include "forms/sales/SalesQueryForm.h"
#include "print/sales/TForm_reportsellbill.h"
#include "ui/print/TForm_Preview.h"

namespace SalesDocuments {

void showSalesBill(AppContext &ctx, const QString &number, QWidget *parent)
{
    const auto bill = SalesQueryForm::bill(ctx, number);
    if (!bill)
        return;
    TForm_Preview::showDocument(ctx.prompt(), TForm_reportsellbill::layout(bill->first, bill->second), parent);
}

} // namespace SalesDocuments
