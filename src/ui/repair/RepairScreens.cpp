#include "ui/app/ScreenCatalog.h"

#include "core/app/DateText.h"
#include "core/repair/RepairQueryRules.h"
#include "forms/app/AppContext.h"
#include "forms/app/Navigation.h"
#include "ui/app/TForm_selDate.h"
#include "ui/repair/TForm_charge.h"
#include "ui/repair/TForm_check.h"
#include "ui/repair/TForm_reg.h"
#include "ui/repair/TForm_repair_sh.h"
#include "ui/repair/TForm_repairdealwith.h"
#include "ui/repair/TForm_repairback.h"
#include "ui/repair/TForm_repairstatus.h"

using namespace Qt::StringLiterals;
using Rule = RightsTable::Rule;
using K = ScreenCatalog::Kind;
using C = ScreenCatalog;

namespace {
ScreenCatalog::Factory query(const QString &mode)
{
    return [mode](AppContext &ctx, QWidget *parent, const ScreenCatalog::Opening &opening) -> QWidget * {
        return new TForm_repair_sh(ctx, opening.access, mode, QDate(), parent);
    };
}

// A work queue learns from its opening whether a technician came in for his own jobs.
template <typename Screen>
ScreenCatalog::Factory queue()
{
    return [](AppContext &ctx, QWidget *parent, const ScreenCatalog::Opening &opening) -> QWidget * {
        return new Screen(ctx, opening.access, parent);
    };
}
} // namespace

void registerRepairScreens(ScreenCatalog &c)
{
    namespace R = RepairQueryRules;
    const QString &repair = Navigation::RepairGroup;
    const QString &queries = Navigation::RepairQueryGroup;
    const auto flow = C::PanelSection::RepairFlow;

    c.declare({.name = u"维修登记"_s, .status = u" 维修登记"_s, .rule = Rule::need(Right::RepairRegister), .kind = K::Dialog,
               .places = {C::treeLeaf(repair, 10), C::panelButton(flow, 10), C::welcomeLink(Navigation::RepairReg)},
               .factory = C::screen<TForm_reg>()});
    // The tree lets a technician check, and handle, his own jobs; the panel and the links ask
    // for the right itself.
    c.declare({.name = u"检测报价"_s, .status = u" 检测报价"_s, .rule = Rule::need(Right::RepairCheck), .kind = K::Workspace,
               .places = {C::treeLeaf(repair, 20, Rule::ownOr(Right::RepairCheck)), C::panelButton(flow, 20),
                          C::welcomeLink(Navigation::RepairCheck)},
               .factory = queue<TForm_check>()});
    c.declare({.name = u"维修处理"_s, .status = u" 维修处理"_s, .rule = Rule::need(Right::RepairHandle), .kind = K::Workspace,
               .places = {C::treeLeaf(repair, 30, Rule::ownOr(Right::RepairHandle)), C::panelButton(flow, 30),
                          C::welcomeLink(Navigation::RepairDealWith)},
               .factory = queue<TForm_repairdealwith>()});
    c.declare({.name = u"结算收费"_s, .status = u" 结算收费"_s, .rule = Rule::need(Right::RepairCharge), .kind = K::Workspace,
               .places = {C::treeLeaf(repair, 40), C::panelButton(flow, 40, u"收费结算"_s),
                          C::welcomeLink(Navigation::RepairCharge)},
               .factory = queue<TForm_charge>()});
    c.declare({.name = u"已经结单"_s, .status = u" 已经结单"_s, .rule = Rule::need(Right::RepairQuery), .kind = K::Workspace,
               .places = {C::treeLeaf(repair, 50)}, .factory = query(R::strOVERDELAY)});
    c.declare({.name = u"返修处理"_s, .status = u" 返修处理"_s, .rule = Rule::need(Right::RepairRegister), .kind = K::Dialog,
               .places = {C::treeLeaf(repair, 60)}, .factory = C::screen<TForm_repairback>()});

    c.declare({.name = queries, .status = u" 业务查询－全部业务"_s, .rule = Rule::ownOr(Right::RepairQuery),
               .kind = K::Workspace, .places = {C::treeGroup()}, .factory = query(R::strALL)});
    // The day is asked with the date dialog (status already showing); no day, no screen.
    c.declare({.name = u"当天业务"_s, .status = u" 业务查询－当天业务"_s, .rule = Rule::ownOr(Right::RepairQuery),
               .kind = K::Workspace, .places = {C::treeLeaf(queries, 10)},
               .factory = [](AppContext &ctx, QWidget *parent, const ScreenCatalog::Opening &opening) -> QWidget * {
                   QString day = opening.argument;
                   if (day.isEmpty()) {
                       TForm_selDate dialog(ctx.today(), parent);
                       dialog.exec();
                       day = dialog.result();
                   }
                   if (day.isEmpty())
                       return nullptr;
                   return new TForm_repair_sh(ctx, opening.access, R::strToday, DateText::fromText(day), parent);
               }});
    c.declare({.name = u"当月业务"_s, .status = u" 业务查询－当月业务"_s, .rule = Rule::ownOr(Right::RepairQuery),
               .kind = K::Workspace, .places = {C::treeLeaf(queries, 20)}, .factory = query(R::strToMonth)});
    c.declare({.name = u"处理中业务"_s, .status = u" 业务查询－处理中业务"_s, .rule = Rule::need(Right::RepairQuery),
               .kind = K::Workspace, .places = {C::treeLeaf(queries, 30)}, .factory = query(R::strOnDealing)});
    c.declare({.name = u"已结束业务"_s, .status = u" 业务查询－已结束业务"_s, .rule = Rule::ownOr(Right::RepairQuery),
               .kind = K::Workspace, .places = {C::treeLeaf(queries, 40)}, .factory = query(R::strOver)});
    c.declare({.name = u"返修业务"_s, .status = u" 业务查询－返修业务"_s, .rule = Rule::ownOr(Right::RepairQuery),
               .kind = K::Workspace, .places = {C::treeLeaf(queries, 50)}, .factory = query(R::strRepairBack)});

    // Opened by the repair handling screen's "编辑>>", under that screen's right.
    c.declare({.name = u"维修状态目录"_s, .rule = Rule::none(), .kind = K::Dialog,
               .factory = C::screen<TForm_repairstatus>()});
}
