#include "ui/app/ScreenCatalog.h"

#include "forms/app/AppContext.h"

void registerMaintenanceScreens(ScreenCatalog &catalog)
{
    Q_UNUSED(catalog);
}
