#include "ui/app/ScreenCatalog.h"

#include "forms/app/Navigation.h"
#include "ui/stats/TForm_BackSeeManOrder.h"
#include "ui/stats/TForm_customerorder.h"
#include "ui/stats/TForm_fittingsorder.h"
#include "ui/stats/TForm_sta.h"
#include "ui/stats/TForm_staMonth.h"
#include "ui/stats/TForm_technicianorder.h"

using namespace Qt::StringLiterals;
using Rule = RightsTable::Rule;
using K = ScreenCatalog::Kind;
using C = ScreenCatalog;

namespace {

// The four monthly rankings, workspace screens of the statistics group.
void declareMonthlyRankings(ScreenCatalog &c)
{
    const QString &stats = Navigation::StatisticsGroup;
    const Rule statistics = Rule::need(Right::Statistics);
    c.declare({.name = u"月配件销售排行"_s, .status = u" 月度销售排行"_s, .rule = statistics, .kind = K::Workspace,
               .places = {C::treeLeaf(stats, 20)}, .factory = C::screen<TForm_fittingsorder>()});
    c.declare({.name = u"月客户排行"_s, .status = u" 月度客户排行"_s, .rule = statistics, .kind = K::Workspace,
               .places = {C::treeLeaf(stats, 40)}, .factory = C::screen<TForm_customerorder>()});
    // Without the statistics right a technician sees his own row only.
    c.declare({.name = u"技术员排行"_s, .status = u" 月度技术员业绩排行"_s, .rule = Rule::ownOr(Right::Statistics),
               .kind = K::Workspace, .places = {C::treeLeaf(stats, 60)},
               .factory = [](AppContext &ctx, QWidget *parent, const C::Opening &opening) -> QWidget * {
                   return new TForm_technicianorder(ctx, parent, opening.access);
               }});
    c.declare({.name = u"回访员排行"_s, .status = u" 月度回访员排行"_s, .rule = statistics, .kind = K::Workspace,
               .places = {C::treeLeaf(stats, 70)}, .factory = C::screen<TForm_BackSeeManOrder>()});
}

} // namespace

void registerStatisticsScreens(ScreenCatalog &c)
{
    const QString &stats = Navigation::StatisticsGroup;
    const Rule statistics = Rule::need(Right::Statistics);
    c.declare({.name = u"当前基本情况"_s, .status = u" 当前基本情况"_s, .rule = statistics, .kind = K::Dialog,
               .places = {C::treeLeaf(stats, 10)}, .factory = C::screen<TForm_sta>()});
    c.declare({.name = u"月度经营历程"_s, .status = u" 月度经营历程"_s, .rule = statistics, .kind = K::Dialog,
               .places = {C::treeLeaf(stats, 30)}, .factory = C::screen<TForm_staMonth>()});
    // 50: the customer statistics, declared with the customer screens.
    declareMonthlyRankings(c);
}
