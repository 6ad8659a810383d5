#include "forms/catalogs/CatalogDeclarations.h"

#include "data/catalogs/BrandTable.h"
#include "data/catalogs/FaultTable.h"
#include "data/catalogs/FollowUpStaffTable.h"
#include "data/catalogs/PartClassTable.h"
#include "data/catalogs/RepairClassTable.h"
#include "data/catalogs/RepairItemTable.h"
#include "data/catalogs/SupplierTable.h"
#include "data/catalogs/TechnicianTable.h"

namespace {
using C = CatalogCheck;
using F = CatalogField;
const int Save = CatalogCheck::OnSave;

// The technician and follow-up staff catalogs differ only in their names: `who` is the word the
// screen uses for the person, and the order of the grid's middle columns.
struct StaffColumns
{
    ColumnRef name, phone, born, idNumber, address, remarks;
};

CatalogDeclaration staff(const QString &caption, const QString &who, const StaffColumns &c, const QList<GridColumn> &grid)
{
    CatalogDeclaration d;
    d.caption = caption;
    d.columns = {c.name, c.phone, c.born, c.idNumber, c.address, c.remarks};
    d.gridColumns = grid;
    d.fields = {F::line(c.name, who + u'：'), F::line(c.phone, QStringLiteral("联系电话：")),
                F::line(c.born, QStringLiteral("出生年月：")), F::line(c.idNumber, QStringLiteral("身份证号码：")),
                F::line(c.address, QStringLiteral("住址：")), F::memo(c.remarks, QStringLiteral("备注："))};
    d.keyColumn = c.name;
    d.checks = {C::required(c.name, who + QStringLiteral("名称不能为空！"), Save),
                C::unique(c.name, who + QStringLiteral("名称重复，添加失败！"), who + QStringLiteral("名称重复，修改失败！"),
                          Save)};
    d.addedMessage = who + QStringLiteral("信息添加成功！");
    d.changedMessage = who + QStringLiteral("信息修改成功！");
    d.emptyDeleteMessage = QStringLiteral("当前记录不存在！");
    d.refillWhileEditing = true; // the panel is not bound to the row: it follows the selection
    return d;
}
} // namespace

CatalogDeclaration CatalogDeclarations::nameList(const QString &caption, const ColumnRef &column, const QString &header,
                                                 const QString &inputTitle, const QString &what, bool uniqueLabel)
{
    CatalogDeclaration d;
    d.caption = caption;
    d.columns = {column};
    d.gridColumns = {{header, column}};
    d.keyColumn = column;
    d.checks = {C::required(column, what + QStringLiteral("不能为空！")),
                C::unique(column, what + QStringLiteral("重复，添加失败！"), what + QStringLiteral("重复，修改失败！"))};
    d.emptyDeleteMessage = QStringLiteral("当前记录不存在！");
    d.inputTitle = inputTitle;
    d.uniqueLabel = uniqueLabel;
    return d;
}

CatalogDeclaration CatalogDeclarations::partClasses()
{
    return nameList(QStringLiteral("配件分类目录"), PartClassTable::Name, QStringLiteral("类别"),
                    QStringLiteral("请输入类别名称"), QStringLiteral("类别名称"), true);
}

CatalogDeclaration CatalogDeclarations::repairClasses()
{
    return nameList(QStringLiteral("维修物类别目录"), RepairClassTable::Name, QStringLiteral("类别"),
                    QStringLiteral("请输入类别名称"), QStringLiteral("类别名称"), true);
}

CatalogDeclaration CatalogDeclarations::brands()
{
    return nameList(QStringLiteral("品牌目录"), BrandTable::Name, QStringLiteral("品牌"),
                    QStringLiteral("请输入品牌名称"), QStringLiteral("品牌名称"), false);
}

CatalogDeclaration CatalogDeclarations::troubles()
{
    return nameList(QStringLiteral("故障列表"), FaultTable::Name, QStringLiteral("故障描述"),
                    QStringLiteral("请输入故障描述"), QStringLiteral("故障描述"), false);
}

CatalogDeclaration CatalogDeclarations::repairItems()
{
    namespace T = RepairItemTable;
    CatalogDeclaration d;
    d.caption = QStringLiteral("维修项目目录");
    d.columns = {T::Name, T::Charge};
    d.gridColumns = {{QStringLiteral("维修项目"), T::Name}, {QStringLiteral("收费"), T::Charge}};
    d.fields = {F::line(T::Name, QStringLiteral("维修项目：")), F::line(T::Charge, QStringLiteral("收费："))};
    d.checks = {C::required(T::Name, QStringLiteral("维修项目不能为空！")),
                C::maxBytes(T::Name, 50, QStringLiteral("维修项目太长！")),
                // A fee that is no number is refused before anything is written.
                C::number(T::Charge, CatalogDeclaration::NotNumberMessage, Save)};
    d.editAction.clear(); // this screen tests no right
    d.emptyDeleteMessage = QStringLiteral("不存在可删除的用户记录！");
    return d;
}

CatalogDeclaration CatalogDeclarations::suppliers()
{
    namespace T = SupplierTable;
    CatalogDeclaration d;
    d.caption = QStringLiteral("供应商目录");
    d.columns = {T::Name,  T::Contact, T::Phone,   T::Address,   T::PostCode,
                 T::Email, T::Website, T::Account, T::TaxNumber, T::Remarks};
    d.gridColumns = {{QStringLiteral("供应商名称"), T::Name},   {QStringLiteral("联系人"), T::Contact},
                     {QStringLiteral("联系电话"), T::Phone},    {QStringLiteral("地址"), T::Address},
                     {QStringLiteral("邮编"), T::PostCode},     {QStringLiteral("电子邮件"), T::Email},
                     {QStringLiteral("网址"), T::Website},      {QStringLiteral("账号"), T::Account},
                     {QStringLiteral("税号"), T::TaxNumber}};
    d.fields = {F::line(T::Name, QStringLiteral("名称：")),      F::line(T::Contact, QStringLiteral("联系人：")),
                F::line(T::Phone, QStringLiteral("电话：")),     F::line(T::Address, QStringLiteral("地址：")),
                F::line(T::PostCode, QStringLiteral("邮  编：")), F::line(T::Email, QStringLiteral("邮址：")),
                F::line(T::Account, QStringLiteral("账号：")),   F::line(T::TaxNumber, QStringLiteral("税  号：")),
                F::line(T::Website, QStringLiteral("网址：")),   F::memo(T::Remarks, QStringLiteral("备  注："))};
    d.keyColumn = T::Name;
    d.checks = {
        C::required(T::Name, QStringLiteral("供应商名称不能为空！")),
        C::maxBytes(T::Name, 25, QStringLiteral("供应商名称太长！")),
        C::maxBytes(T::Contact, 9, QStringLiteral("联系人位数太长！")),
        C::maxBytes(T::Phone, 50, QStringLiteral("电话号码数据过长！")),
        C::maxBytes(T::Email, 50, QStringLiteral("电子邮件地址太长！")),
        C::maxBytes(T::Address, 50, QStringLiteral("地址数据过长！")),
        C::maxBytes(T::PostCode, 10, QStringLiteral("邮编位数太长！")),
        C::maxBytes(T::Website, 50, QStringLiteral("网址太长！")),
        // The name check proper; its own length limit is wider than the one above.
        C::maxBytes(T::Name, 50, QStringLiteral("供应商名称太长，请简写！")),
        C::unique(T::Name, QStringLiteral("供应商名称重复，请重新输入！")),
    };
    d.addedMessage = QStringLiteral("供应商信息添加成功！");
    d.changedMessage = QStringLiteral("供应商信息修改成功！");
    return d;
}

CatalogDeclaration CatalogDeclarations::technicians()
{
    namespace T = TechnicianTable;
    return staff(QStringLiteral("维修技术员目录"), QStringLiteral("技术员"),
                 {T::Name, T::Phone, T::Born, T::IdNumber, T::Address, T::Remarks},
                 {{QStringLiteral("技术员"), T::Name}, {QStringLiteral("联系电话"), T::Phone},
                  {QStringLiteral("出生年月"), T::Born}, {QStringLiteral("身份证号码"), T::IdNumber},
                  {QStringLiteral("住址"), T::Address}});
}

CatalogDeclaration CatalogDeclarations::followUpStaff()
{
    namespace T = FollowUpStaffTable;
    return staff(QStringLiteral("回访员目录"), QStringLiteral("回访员"),
                 {T::Name, T::Phone, T::Born, T::IdNumber, T::Address, T::Remarks},
                 {{QStringLiteral("回访员"), T::Name}, {QStringLiteral("联系电话"), T::Phone},
                  {QStringLiteral("身份证号码"), T::IdNumber}, {QStringLiteral("出生年月"), T::Born},
                  {QStringLiteral("住址"), T::Address}});
}
