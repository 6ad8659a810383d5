#include "forms/customers/CustomerDeclarations.h"

#include "data/customers/CustomerClassTable.h"
#include "data/customers/CustomerTable.h"
#include "forms/catalogs/CatalogDeclarations.h"

namespace {
using C = CatalogCheck;
using F = CatalogField;
const int Enter = CatalogCheck::OnEnter;
QString s(const char *text) { return QString::fromUtf8(text); }
}

CatalogDeclaration CustomerDeclarations::classes()
{
    return CatalogDeclarations::nameList(s("客户分类"), CustomerClassTable::Name, s("客户类别"), s("请输入类别名称"),
                                         s("类别名称"), true);
}

CatalogDeclaration CustomerDeclarations::directory()
{
    namespace T = CustomerTable;
    CatalogDeclaration d;
    d.caption = s("客户目录");
    d.columns = {T::Class, T::Name,      T::Company, T::Contact, T::Manager, T::Phone,      T::Fax,    T::Address,
                 T::PostCode, T::Email,  T::TaxNumber, T::Account, T::Route, T::Registered, T::Remarks};
    d.gridColumns = {{s("类别"), T::Class},       {s("客户名称"), T::Name},     {s("客户单位"), T::Company},
                     {s("联系人"), T::Contact},   {s("物资主管"), T::Manager},  {s("联系电话"), T::Phone},
                     {s("传真"), T::Fax},         {s("地址"), T::Address},      {s("邮编"), T::PostCode},
                     {s("电子邮件"), T::Email},   {s("税号"), T::TaxNumber},    {s("账号"), T::Account},
                     {s("乘车路线"), T::Route}};
    // Table order: "流水号" is the row key itself, so the list is in running-number order.
    d.fields = {F::line(T::Name, s("客户名称：")),         F::line(T::Company, s("单位(公司)：")),
                F::line(T::Manager, s("物资主管：")),      F::line(T::Contact, s("联系人：")),
                F::line(T::Phone, s("联系电话：")),        F::line(T::Fax, s("传真：")),
                F::line(T::Address, s("地址：")),          F::line(T::PostCode, s("邮编：")),
                F::line(T::Email, s("电子邮件：")),
                F::choice(T::Class, s("类别："), CustomerClassTable::Name),
                F::line(T::TaxNumber, s("税号：")),        F::line(T::Account, s("账号：")),
                F::line(T::Route, s("乘车线路：")),        F::memo(T::Remarks, s("备注："))};
    d.keyColumn = T::Name;
    d.trimKey = true;
    // Saving tests the name and the class; the other limits hold on Enter only.
    d.checks = {C::required(T::Name, s("客户名称不能为空！")),
                C::maxBytes(T::Name, 50, s("客户名称太长，请简写！")),
                C::unique(T::Name, s("客户名称重复，请重新输入！")),
                C::maxBytes(T::Company, 50, s("公司名称太长，请简写！"), Enter),
                C::maxBytes(T::Manager, 20, s("物资主管名称太长，请简写！"), Enter),
                C::maxBytes(T::Contact, 20, s("联系人名称太长，请简写！"), Enter),
                C::maxBytes(T::Phone, 50, s("联系电话太长，请简写！"), Enter),
                C::maxBytes(T::Fax, 20, s("传真号码太长，请简写！"), Enter),
                C::maxBytes(T::Address, 100, s("地址太长，请简写！"), Enter),
                C::maxBytes(T::PostCode, 8, s("邮编太长，请简写！"), Enter),
                C::maxBytes(T::Email, 50, s("电子邮件地址太长，请简写！"), Enter),
                C::required(T::Class, s("客户类别不能为空！"), Enter),
                C::exists(T::Class, CustomerClassTable::Name, s("不存在该客户类别，请重新选择！"))};
    d.addedMessage = s("客户信息添加成功！");
    d.changedMessage = s("客户信息修改成功！");
    d.stampColumn = T::Registered;
    d.searchModes = {{s("按客户名称查询"), T::Name},       {s("按客户类别查询"), T::Class},
                     {s("按客户单位查询"), T::Company},    {s("按物资主管查询"), T::Manager},
                     {s("按联系电话查询"), T::Phone},      {s("按电子邮件查询"), T::Email},
                     {s("按客户地址查询"), T::Address},    {s("按客户邮编查询"), T::PostCode},
                     {s("按税号查询"), T::TaxNumber},      {s("按账号查询"), T::Account}};
    d.emptySearchMessage = s("请输入查询内容后再查询！");
    d.notFoundMessage = s("无此客户，请重新输入查询！");
    return d;
}

PickerDeclaration CustomerDeclarations::picker()
{
    namespace T = CustomerTable;
    PickerDeclaration d;
    d.caption = s("请选择客户");
    d.name = s("客户");
    d.columns = {ListColumn::of(T::Name, s("客户名称")), ListColumn::of(T::Company, s("客户单位")),
                 ListColumn::of(T::Contact, s("联系人")),  ListColumn::of(T::Manager, s("物资主管")),
                 ListColumn::of(T::Phone, s("联系电话")),  ListColumn::of(T::Registered, s("登记时间"))};
    d.sort = {T::Name, false};
    d.classColumn = T::Class;
    d.classSource = CustomerClassTable::Name;
    d.searchColumns = {T::Name, T::Address, T::Contact, T::Company, T::Phone};
    d.findCaption = s("查找[&F]");
    d.hint = s("*请输入客户名称、电话、单位、地址、联系人等信息进行查找。");
    d.emptySearchMessage = s("请输入客户名称后搜索！");
    d.notFoundMessage = s("要搜索的客户不存在！");
    d.emptyChoiceCloses = true;
    return d;
}
