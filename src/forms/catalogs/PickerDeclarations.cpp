#include "forms/catalogs/PickerDeclarations.h"

#include "data/catalogs/PartClassTable.h"
#include "data/catalogs/PartsCatalogTable.h"
#include "data/catalogs/RepairItemTable.h"

PickerDeclaration PickerDeclarations::parts()
{
    namespace T = PartsCatalogTable;
    PickerDeclaration d;
    d.caption = QStringLiteral("请选择配件");
    d.name = QStringLiteral("配件");
    d.columns = {ListColumn::of(T::PartNo, QStringLiteral("配件编号")), ListColumn::of(T::Name, QStringLiteral("配件名称")),
                 ListColumn::of(T::Model, QStringLiteral("规格")), ListColumn::of(T::Category, QStringLiteral("类别")),
                 ListColumn::of(T::Unit, QStringLiteral("单位"))};
    d.sort = {T::PartNo, false};
    d.classColumn = T::Category;
    d.classSource = PartClassTable::Name;
    d.classTyped = true;
    d.searchColumns = {T::PartNo, T::Name};
    d.findCaption = QStringLiteral("查找[&S]");
    d.emptySearchMessage = QStringLiteral("请输入配件编号或者配件名称后搜索！");
    d.notFoundMessage = QStringLiteral("要搜索的配件不存在！");
    d.clickChooses = true;
    return d;
}

PickerDeclaration PickerDeclarations::repairItems()
{
    namespace T = RepairItemTable;
    PickerDeclaration d;
    d.caption = QStringLiteral("选择维修项目");
    d.name = QStringLiteral("维修项目");
    d.columns = {ListColumn::of(T::Name, QStringLiteral("维修项目")), ListColumn::of(T::Charge, QStringLiteral("收费"))};
    d.emptyChoiceCloses = true;
    return d;
}
