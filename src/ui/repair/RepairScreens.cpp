#include "ui/app/ScreenCatalog.h"

#include "forms/app/AppContext.h"

void registerRepairScreens(ScreenCatalog &catalog)
{
    Q_UNUSED(catalog);
}
