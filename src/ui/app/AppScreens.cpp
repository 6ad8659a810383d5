#include "ui/app/ScreenCatalog.h"

#include "forms/app/AppContext.h"
#include "ui/app/TForm_NOPlan.h"
#include "ui/app/TForm_interfaceset.h"
#include "ui/app/TForm_right.h"
#include "ui/app/TForm_storeroomList.h"

void registerAppScreens(ScreenCatalog &catalog)
{
    using K = ScreenCatalog::Kind;
    catalog.add(QStringLiteral("用户管理"), K::Dialog,
                [](AppContext &ctx, QWidget *parent) { return new TForm_storeroomList(ctx, parent); });
    catalog.add(QStringLiteral("权限分配"), K::Dialog,
                [](AppContext &ctx, QWidget *parent) { return new TForm_right(ctx, parent); });
    catalog.add(QStringLiteral("编号设置"), K::Dialog,
                [](AppContext &ctx, QWidget *parent) { return new TForm_NOPlan(ctx, parent); });
    catalog.add(QStringLiteral("设置欢迎界面"), K::Dialog,
                [](AppContext &ctx, QWidget *parent) { return new TForm_interfaceset(ctx, parent); });
}
