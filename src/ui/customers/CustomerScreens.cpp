#include "ui/app/ScreenCatalog.h"

#include "forms/app/AppContext.h"
#include "ui/customers/TForm_customerLisr.h"
#include "ui/customers/TForm_customerclass.h"

void registerCustomerScreens(ScreenCatalog &catalog)
{
    catalog.add(QStringLiteral("客户分类目录"), ScreenCatalog::Kind::Dialog,
                [](AppContext &ctx, QWidget *parent) -> QWidget * { return new TForm_customerclass(ctx, parent); });
    catalog.add(QStringLiteral("客户目录"), ScreenCatalog::Kind::Dialog,
                [](AppContext &ctx, QWidget *parent) -> QWidget * { return new TForm_customerLisr(ctx, parent); });
}
