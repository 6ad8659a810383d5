#include "ui/app/ScreenCatalog.h"

#include "forms/app/AppContext.h"

void registerAppScreens(ScreenCatalog &catalog)
{
    Q_UNUSED(catalog);
}
