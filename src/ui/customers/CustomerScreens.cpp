#include "ui/app/ScreenCatalog.h"

#include "forms/app/AppContext.h"

void registerCustomerScreens(ScreenCatalog &catalog)
{
    Q_UNUSED(catalog);
}
