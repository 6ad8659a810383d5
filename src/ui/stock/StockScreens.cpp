#include "ui/app/ScreenCatalog.h"

#include "forms/app/AppContext.h"
#include "ui/catalogs/TForm_goodsList.h"
#include "ui/catalogs/TForm_price.h"
#include "ui/stock/TForm_stockIN.h"

namespace {
template <typename Screen>
void addDialog(ScreenCatalog &catalog, const char *node)
{
    catalog.add(QString::fromUtf8(node), ScreenCatalog::Kind::Dialog,
                [](AppContext &ctx, QWidget *parent) -> QWidget * { return new Screen(ctx, parent); });
}
}

void registerStockScreens(ScreenCatalog &catalog)
{
    addDialog<TForm_stockIN>(catalog, "配件入库");
    // The parts catalogs are kept with the stock screens they feed.
    addDialog<TForm_goodsList>(catalog, "配件目录");
    addDialog<TForm_price>(catalog, "配件价格目录");
}
