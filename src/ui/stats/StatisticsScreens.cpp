#include "ui/app/ScreenCatalog.h"

#include "forms/app/Navigation.h"
#include "ui/stats/TForm_sta.h"
#include "ui/stats/TForm_staMonth.h"

using namespace Qt::StringLiterals;
using Rule = RightsTable::Rule;
using K = ScreenCatalog::Kind;
using C = ScreenCatalog;

void registerStatisticsScreens(ScreenCatalog &c)
{
    const QString &stats = Navigation::StatisticsGroup;
    const Rule statistics = Rule::need(Right::Statistics);
    c.declare({.name = u"当前基本情况"_s, .status = u" 当前基本情况"_s, .rule = statistics, .kind = K::Dialog,
               .places = {C::treeLeaf(stats, 10)}, .factory = C::screen<TForm_sta>()});
    c.declare({.name = u"月配件销售排行"_s, .status = u" 月度销售排行"_s, .rule = statistics, .kind = K::Workspace,
               .places = {C::treeLeaf(stats, 20)}});
    c.declare({.name = u"月度经营历程"_s, .status = u" 月度经营历程"_s, .rule = statistics, .kind = K::Dialog,
               .places = {C::treeLeaf(stats, 30)}, .factory = C::screen<TForm_staMonth>()});
    c.declare({.name = u"月客户排行"_s, .status = u" 月度客户排行"_s, .rule = statistics, .kind = K::Workspace,
               .places = {C::treeLeaf(stats, 40)}});
    // 50: the customer statistics, declared with the customer screens.
    // Without the statistics right a technician sees his own row only.
    c.declare({.name = u"技术员排行"_s, .status = u" 月度技术员业绩排行"_s, .rule = Rule::ownOr(Right::Statistics),
               .kind = K::Workspace, .places = {C::treeLeaf(stats, 60)}});
    c.declare({.name = u"回访员排行"_s, .status = u" 月度回访员排行"_s, .rule = statistics, .kind = K::Workspace,
               .places = {C::treeLeaf(stats, 70)}});
}
