#include "ui/app/ScreenCatalog.h"

#include "forms/app/Navigation.h"
#include "ui/stock/TForm_StockOUT.h"
#include "ui/stock/TForm_billin_sh.h"
#include "ui/stock/TForm_billout_sh.h"
#include "ui/stock/TForm_curstock.h"
#include "ui/stock/TForm_stockIN.h"

using namespace Qt::StringLiterals;
using Rule = RightsTable::Rule;
using K = ScreenCatalog::Kind;
using C = ScreenCatalog;

void registerStockScreens(ScreenCatalog &c)
{
    const QString &stock = Navigation::StockGroup;
    // The below-warning link also turns the warning view on (the main window sets the flag).
    c.declare({.name = u"当前库存"_s, .status = u" 当前库存"_s, .rule = Rule::need(Right::StockQuery), .kind = K::Workspace,
               .places = {C::treeLeaf(stock, 10), C::panelButton(C::PanelSection::Below, 20),
                          C::welcomeLink(Navigation::ViewStock), C::welcomeLink(Navigation::StockWarning)},
               .factory = C::screen<TForm_curstock>()});
    c.declare({.name = u"配件入库"_s, .status = u" 配件入库"_s, .rule = Rule::need(Right::StockIn), .kind = K::Dialog,
               .places = {C::treeLeaf(stock, 20)}, .factory = C::screen<TForm_stockIN>()});
    c.declare({.name = u"配件出库"_s, .status = u" 配件出库"_s, .rule = Rule::need(Right::StockOut), .kind = K::Dialog,
               .places = {C::treeLeaf(stock, 30)}, .factory = C::screen<TForm_StockOUT>()});
    c.declare({.name = u"出库单"_s, .status = u" 出库单"_s, .rule = Rule::need(Right::StockQuery), .kind = K::Workspace,
               .places = {C::treeLeaf(stock, 40)}, .factory = C::screen<TForm_billout_sh>()});
    c.declare({.name = u"入库单"_s, .status = u" 入库单"_s, .rule = Rule::need(Right::StockQuery), .kind = K::Workspace,
               .places = {C::treeLeaf(stock, 50)}, .factory = C::screen<TForm_billin_sh>()});
}
