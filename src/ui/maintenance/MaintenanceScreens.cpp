#include "ui/app/ScreenCatalog.h"

#include "forms/app/AppContext.h"
#include "ui/maintenance/TForm_backuppath.h"

void registerMaintenanceScreens(ScreenCatalog &catalog)
{
    catalog.add(QStringLiteral("设置备份路径"), ScreenCatalog::Kind::Dialog,
                [](AppContext &ctx, QWidget *parent) { return new TForm_backuppath(ctx, parent); });
}
