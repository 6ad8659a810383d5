#include "ui/app/ScreenCatalog.h"

#include "forms/app/AppContext.h"

void registerStockScreens(ScreenCatalog &catalog)
{
    Q_UNUSED(catalog);
}
