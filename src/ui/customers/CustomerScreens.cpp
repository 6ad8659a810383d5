#include "ui/app/ScreenCatalog.h"

#include "forms/app/Navigation.h"
#include "ui/customers/TForm_customerLisr.h"
#include "ui/customers/TForm_customerSta.h"
#include "ui/customers/TForm_customerclass.h"

using namespace Qt::StringLiterals;
using Rule = RightsTable::Rule;
using K = ScreenCatalog::Kind;
using C = ScreenCatalog;

void registerCustomerScreens(ScreenCatalog &c)
{
    // The customer browser: all customers from the group's node; each class node under it opens
    // the browser with that class as the argument, under this same right.
    c.declare({.name = Navigation::CustomerGroup, .status = u" 客户资料－全部客户"_s, .rule = Rule::need(Right::CustomerQuery),
               .kind = K::Workspace, .places = {C::treeGroup()}});
    // The tree reads the classes again once the class catalog has closed.
    c.declare({.name = u"客户分类目录"_s, .status = u" 客户分类目录"_s, .rule = Rule::need(Right::CatalogQuery),
               .kind = K::Dialog, .places = {C::treeLeaf(Navigation::CatalogGroup, 10)},
               .factory = C::screen<TForm_customerclass>(),
               .afterClose = [](AppContext &, ScreenCatalog::Host &host) { host.customerClassesChanged(); }});
    c.declare({.name = u"客户目录"_s, .status = u" 客户目录"_s, .rule = Rule::need(Right::CatalogQuery), .kind = K::Dialog,
               .places = {C::treeLeaf(Navigation::CatalogGroup, 30)}, .factory = C::screen<TForm_customerLisr>()});
    c.declare({.name = u"客户情况统计"_s, .status = u" 客户情况统计"_s, .rule = Rule::need(Right::Statistics),
               .kind = K::Dialog, .places = {C::treeLeaf(Navigation::StatisticsGroup, 50)},
               .factory = C::screen<TForm_customerSta>()});
}
