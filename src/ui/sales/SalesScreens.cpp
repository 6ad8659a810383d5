#include "ui/app/ScreenCatalog.h"

#include "forms/app/Navigation.h"
#include "ui/sales/TForm_sell.h"
#include "ui/sales/TForm_sell_sh.h"
#include "ui/sales/TForm_sellback.h"
#include "ui/sales/TForm_sellback_sh.h"

using namespace Qt::StringLiterals;
using Rule = RightsTable::Rule;
using K = ScreenCatalog::Kind;
using C = ScreenCatalog;

void registerSalesScreens(ScreenCatalog &c)
{
    const QString &sales = Navigation::SalesGroup;
    c.declare({.name = u"商品出售"_s, .status = u" 商品出售"_s, .rule = Rule::need(Right::SaleDo), .kind = K::Dialog,
               .places = {C::treeLeaf(sales, 10), C::panelButton(C::PanelSection::Below, 10)},
               .factory = C::screen<TForm_sell>()});
    c.declare({.name = u"退换处理"_s, .status = u" 退货处理"_s, .rule = Rule::need(Right::SaleDo), .kind = K::Dialog,
               .places = {C::treeLeaf(sales, 20)}, .factory = C::screen<TForm_sellback>()});
    c.declare({.name = u"销售查询"_s, .status = u" 销售查询"_s, .rule = Rule::need(Right::SaleQuery), .kind = K::Workspace,
               .places = {C::treeLeaf(sales, 30)}, .factory = C::screen<TForm_sell_sh>()});
    c.declare({.name = u"退换查询"_s, .status = u" 退换查询"_s, .rule = Rule::need(Right::SaleQuery), .kind = K::Workspace,
               .places = {C::treeLeaf(sales, 40)}, .factory = C::screen<TForm_sellback_sh>()});
}
