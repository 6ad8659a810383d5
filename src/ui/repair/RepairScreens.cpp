#include "ui/app/ScreenCatalog.h"

#include "core/app/DateText.h"
#include "core/repair/RepairQueryRules.h"
#include "forms/app/AppContext.h"
#include "ui/repair/TForm_reg.h"
#include "ui/repair/TForm_repair_sh.h"
#include "ui/repair/TForm_repairback.h"
#include "ui/repair/TForm_repairstatus.h"

namespace {
void addQuery(ScreenCatalog &catalog, const char *node, const QString &mode)
{
    catalog.add(QString::fromUtf8(node), ScreenCatalog::Kind::Workspace,
                [mode](AppContext &ctx, QWidget *parent) -> QWidget * {
                    return new TForm_repair_sh(ctx, mode, QDate(), parent);
                });
}
} // namespace

void registerRepairScreens(ScreenCatalog &catalog)
{
    namespace R = RepairQueryRules;
    catalog.add(QStringLiteral("维修登记"), ScreenCatalog::Kind::Dialog,
                [](AppContext &ctx, QWidget *parent) -> QWidget * { return new TForm_reg(ctx, parent); });
    catalog.add(QStringLiteral("返修处理"), ScreenCatalog::Kind::Dialog,
                [](AppContext &ctx, QWidget *parent) -> QWidget * { return new TForm_repairback(ctx, parent); });
    catalog.add(QStringLiteral("维修状态目录"), ScreenCatalog::Kind::Dialog,
                [](AppContext &ctx, QWidget *parent) -> QWidget * { return new TForm_repairstatus(ctx, parent); });
    addQuery(catalog, "业务查询", R::strALL);
    addQuery(catalog, "当月业务", R::strToMonth);
    addQuery(catalog, "已结束业务", R::strOver);
    addQuery(catalog, "返修业务", R::strRepairBack);
    addQuery(catalog, "已经结单", R::strOVERDELAY);
    addQuery(catalog, "处理中业务", R::strOnDealing);
    // The main window asks for the day with the date dialog and hands it over.
    catalog.addWithArgument(QStringLiteral("当天业务"), ScreenCatalog::Kind::Workspace,
                            [](AppContext &ctx, QWidget *parent, const QString &day) -> QWidget * {
                                return new TForm_repair_sh(ctx, R::strToday, DateText::fromText(day), parent);
                            });
}
