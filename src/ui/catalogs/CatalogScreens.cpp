#include "ui/app/ScreenCatalog.h"

#include "forms/app/AppContext.h"

void registerCatalogScreens(ScreenCatalog &catalog)
{
    Q_UNUSED(catalog);
}
