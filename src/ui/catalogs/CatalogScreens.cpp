#include "ui/app/ScreenCatalog.h"

#include "forms/app/AppContext.h"
#include "ui/catalogs/TForm_brandList.h"
#include "ui/catalogs/TForm_classList.h"
#include "ui/catalogs/TForm_otherSet.h"
#include "ui/catalogs/TForm_providerList.h"
#include "ui/catalogs/TForm_repairClass.h"
#include "ui/catalogs/TForm_repairItemList.h"
#include "ui/catalogs/TForm_repairerlist.h"
#include "ui/catalogs/TForm_seebackMan.h"
#include "ui/catalogs/TForm_troubleList.h"

namespace {
template <typename Screen>
void addDialog(ScreenCatalog &catalog, const char *node)
{
    catalog.add(QString::fromUtf8(node), ScreenCatalog::Kind::Dialog,
                [](AppContext &ctx, QWidget *parent) -> QWidget * { return new Screen(ctx, parent); });
}
}

void registerCatalogScreens(ScreenCatalog &catalog)
{
    addDialog<TForm_classList>(catalog, "配件分类目录");
    addDialog<TForm_repairClass>(catalog, "维修物类别目录");
    addDialog<TForm_brandList>(catalog, "维修物品牌目录");
    addDialog<TForm_troubleList>(catalog, "故障描述目录");
    addDialog<TForm_repairItemList>(catalog, "维修项目目录");
    addDialog<TForm_otherSet>(catalog, "其它约定");
    addDialog<TForm_providerList>(catalog, "供应商目录");
    addDialog<TForm_repairerlist>(catalog, "技术员目录");
    addDialog<TForm_seebackMan>(catalog, "回访员目录");
}
