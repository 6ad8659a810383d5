#include "forms/catalogs/PartsCatalogDeclaration.h"

using C = CatalogCheck;
using F = CatalogField;

CatalogDeclaration PartsCatalogDeclaration::make()
{
    const QString no = QStringLiteral("配件编号");
    const QString name = QStringLiteral("配件名称");
    const QString model = QStringLiteral("规格");
    const QString cls = QStringLiteral("类别");
    const QString unit = QStringLiteral("单位");
    const QString warning = QStringLiteral("警戒库存");

    CatalogDeclaration d;
    d.caption = QStringLiteral("配件目录");
    d.table = QStringLiteral("配件目录");
    d.columns = {no, name, model, cls, unit, warning};
    d.gridColumns = {no, name, model, cls, unit};
    d.orderBy = QStringLiteral("流水号");
    d.fields = {F::line(no, QStringLiteral("编号：")),
                F::line(name, QStringLiteral("名称：")),
                F::line(model, QStringLiteral("规格：")),
                F::choice(cls, QStringLiteral("类别："), QStringLiteral("类别目录"), QStringLiteral("类别")),
                F::line(unit, QStringLiteral("单位：")),
                F::line(warning, QStringLiteral("警戒库存："))};
    d.keyColumn = no;
    d.checks = {
        C::required(no, QStringLiteral("编号不能为空！"), C::OnSave),
        C::maxBytes(no, 20, QStringLiteral("编号太长！"), C::OnSave),
        C::maxBytes(name, 50, QStringLiteral("配件名称太长！"), C::OnSave),
        C::required(name, QStringLiteral("配件名称不能为空！")),
        // Enter in the name allows less than the save does.
        C::maxBytes(name, 30, QStringLiteral("配件名称太长！"), C::OnEnter),
        C::maxBytes(model, 50, QStringLiteral("规格过长！"), C::OnSave),
        C::maxBytes(model, 50, QStringLiteral("规格太长！"), C::OnEnter),
        // The number check proper, also run by Enter in the number.
        C::required(no, QStringLiteral("配件编号不能为空！")),
        C::maxBytes(no, 20, QStringLiteral("配件编号太长，请简写！")),
        C::unique(no, QStringLiteral("配件编号重复，请重新输入！")),
        C::exists(cls, QStringLiteral("类别目录"), QStringLiteral("类别"), QStringLiteral("不存在该配件类别，请重新选择！")),
    };
    d.addedMessage = QStringLiteral("配件信息添加成功！");
    d.changedMessage = QStringLiteral("配件信息修改成功！");
    d.searchModes = {{QStringLiteral("按配件编号查询"), no},
                     {QStringLiteral("按配件名称查询"), name},
                     {QStringLiteral("按配件规格查询"), model},
                     {QStringLiteral("按配件类别查询"), cls}};
    d.emptySearchMessage = QStringLiteral("请输入查询内容后再查询！");
    d.notFoundMessage = QStringLiteral("无此配件，请重新输入查询！");
    return d;
}
