#include "forms/catalogs/PartsCatalogDeclaration.h"

#include "data/catalogs/PartClassTable.h"
#include "data/catalogs/PartsCatalogTable.h"

using C = CatalogCheck;
using F = CatalogField;

CatalogDeclaration PartsCatalogDeclaration::make()
{
    namespace T = PartsCatalogTable;
    CatalogDeclaration d;
    d.caption = QStringLiteral("配件目录");
    d.columns = {T::PartNo, T::Name, T::Model, T::Category, T::Unit, T::WarningLevel};
    d.gridColumns = {{QStringLiteral("配件编号"), T::PartNo}, {QStringLiteral("配件名称"), T::Name},
                     {QStringLiteral("规格"), T::Model},      {QStringLiteral("类别"), T::Category},
                     {QStringLiteral("单位"), T::Unit}};
    d.orderBy = T::Key;
    d.fields = {F::line(T::PartNo, QStringLiteral("编号：")),
                F::line(T::Name, QStringLiteral("名称：")),
                F::line(T::Model, QStringLiteral("规格：")),
                F::choice(T::Category, QStringLiteral("类别："), PartClassTable::Name),
                F::line(T::Unit, QStringLiteral("单位：")),
                F::line(T::WarningLevel, QStringLiteral("警戒库存："))};
    d.keyColumn = T::PartNo;
    d.checks = {
        C::required(T::PartNo, QStringLiteral("编号不能为空！"), C::OnSave),
        C::maxBytes(T::PartNo, 20, QStringLiteral("编号太长！"), C::OnSave),
        C::maxBytes(T::Name, 50, QStringLiteral("配件名称太长！"), C::OnSave),
        C::required(T::Name, QStringLiteral("配件名称不能为空！")),
        // Enter in the name allows less than the save does.
        C::maxBytes(T::Name, 30, QStringLiteral("配件名称太长！"), C::OnEnter),
        C::maxBytes(T::Model, 50, QStringLiteral("规格过长！"), C::OnSave),
        C::maxBytes(T::Model, 50, QStringLiteral("规格太长！"), C::OnEnter),
        // The number check proper, also run by Enter in the number.
        C::required(T::PartNo, QStringLiteral("配件编号不能为空！")),
        C::maxBytes(T::PartNo, 20, QStringLiteral("配件编号太长，请简写！")),
        C::unique(T::PartNo, QStringLiteral("配件编号重复，请重新输入！")),
        C::exists(T::Category, PartClassTable::Name, QStringLiteral("不存在该配件类别，请重新选择！")),
    };
    d.addedMessage = QStringLiteral("配件信息添加成功！");
    d.changedMessage = QStringLiteral("配件信息修改成功！");
    d.searchModes = {{QStringLiteral("按配件编号查询"), T::PartNo},
                     {QStringLiteral("按配件名称查询"), T::Name},
                     {QStringLiteral("按配件规格查询"), T::Model},
                     {QStringLiteral("按配件类别查询"), T::Category}};
    d.emptySearchMessage = QStringLiteral("请输入查询内容后再查询！");
    d.notFoundMessage = QStringLiteral("无此配件，请重新输入查询！");
    return d;
}
