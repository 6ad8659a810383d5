#include "ui/app/ScreenCatalog.h"

#include "forms/app/Navigation.h"
#include "ui/catalogs/TForm_brandList.h"
#include "ui/catalogs/TForm_classList.h"
#include "ui/catalogs/TForm_goodsList.h"
#include "ui/catalogs/TForm_otherSet.h"
#include "ui/catalogs/TForm_price.h"
#include "ui/catalogs/TForm_providerList.h"
#include "ui/catalogs/TForm_repairClass.h"
#include "ui/catalogs/TForm_repairItemList.h"
#include "ui/catalogs/TForm_repairerlist.h"
#include "ui/catalogs/TForm_seebackMan.h"
#include "ui/catalogs/TForm_troubleList.h"

using namespace Qt::StringLiterals;
using K = ScreenCatalog::Kind;
using C = ScreenCatalog;

namespace {
// A catalog window of the tree's "基本信息": a dialog under the catalog query right; changing
// rows asks for the edit right inside the window.
ScreenCatalog::Entry catalogWindow(const QString &name, const QString &status, int order, ScreenCatalog::Factory factory)
{
    return {.name = name, .status = status, .rule = RightsTable::Rule::need(Right::CatalogQuery), .kind = K::Dialog,
            .places = {C::treeLeaf(Navigation::CatalogGroup, order)}, .factory = std::move(factory)};
}
} // namespace

// 10 "客户分类目录" and 30 "客户目录" are declared with the customer screens.
void registerCatalogScreens(ScreenCatalog &c)
{
    c.declare(catalogWindow(u"配件分类目录"_s, u" 配件分类目录"_s, 20, C::screen<TForm_classList>()));
    c.declare(catalogWindow(u"配件目录"_s, u" 配件目录"_s, 40, C::screen<TForm_goodsList>()));
    c.declare(catalogWindow(u"供应商目录"_s, u" 供应商目录"_s, 50, C::screen<TForm_providerList>()));
    c.declare(catalogWindow(u"技术员目录"_s, u" 技术员目录"_s, 60, C::screen<TForm_repairerlist>()));
    c.declare(catalogWindow(u"回访员目录"_s, u" 回访员目录"_s, 70, C::screen<TForm_seebackMan>()));
    c.declare(catalogWindow(u"配件价格目录"_s, u" 配件定价"_s, 80, C::screen<TForm_price>()));
    c.declare(catalogWindow(u"维修物类别目录"_s, u" 维修物类别目录"_s, 90, C::screen<TForm_repairClass>()));
    c.declare(catalogWindow(u"维修物品牌目录"_s, u" 维修物品牌目录"_s, 100, C::screen<TForm_brandList>()));
    c.declare(catalogWindow(u"维修项目目录"_s, u" 维修项目目录"_s, 110, C::screen<TForm_repairItemList>()));
    c.declare(catalogWindow(u"故障描述目录"_s, u" 故障描述目录"_s, 120, C::screen<TForm_troubleList>()));
    c.declare(catalogWindow(u"其它约定"_s, u" 其它约定"_s, 130, C::screen<TForm_otherSet>()));
}
