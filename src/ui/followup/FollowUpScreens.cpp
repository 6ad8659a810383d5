#include "ui/app/ScreenCatalog.h"

#include "forms/app/Navigation.h"
#include "ui/followup/TForm_BackSee.h"
#include "ui/followup/TForm_backseeHistory.h"
#include "ui/followup/TForm_backsee_set.h"

using namespace Qt::StringLiterals;
using Rule = RightsTable::Rule;
using K = ScreenCatalog::Kind;
using C = ScreenCatalog;

void registerFollowUpScreens(ScreenCatalog &c)
{
    const QString &followUp = Navigation::FollowUpGroup;
    c.declare({.name = u"待回访"_s, .status = u" 待回访"_s, .rule = Rule::need(Right::FollowUpDo), .kind = K::Workspace,
               .places = {C::treeLeaf(followUp, 10), C::panelButton(C::PanelSection::RepairFlow, 50, u"客户回访"_s)},
               .factory = C::screen<TForm_BackSee>()});
    c.declare({.name = u"历史回访"_s, .status = u" 历史回访"_s, .rule = Rule::need(Right::FollowUpQuery),
               .kind = K::Workspace, .places = {C::treeLeaf(followUp, 20)}, .factory = C::screen<TForm_backseeHistory>()});
    c.declare({.name = u"回访设置"_s, .status = u" 回访设置"_s, .rule = Rule::superUserOnly(), .kind = K::Dialog,
               .places = {C::treeLeaf(followUp, 30)}, .factory = C::screen<TForm_backsee_set>()});
}
