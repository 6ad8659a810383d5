#include "forms/customers/CustomerDeclarations.h"

#include "forms/catalogs/CatalogDeclarations.h"

namespace {
using C = CatalogCheck;
using F = CatalogField;
const int Enter = CatalogCheck::OnEnter;
QString s(const char *text) { return QString::fromUtf8(text); }
}

CatalogDeclaration CustomerDeclarations::classes()
{
    return CatalogDeclarations::nameList(s("客户分类"), s("客户分类"), s("客户类别"), s("请输入类别名称"),
                                         s("类别名称"), true);
}

CatalogDeclaration CustomerDeclarations::directory()
{
    const QString name = s("客户名称");
    CatalogDeclaration d;
    d.caption = s("客户目录");
    d.table = s("客户目录");
    d.columns = {s("类别"),     name,           s("客户单位"), s("联系人"), s("物资主管"), s("联系电话"),
                 s("传真"),     s("地址"),       s("邮编"),     s("电子邮件"), s("税号"),   s("账号"),
                 s("乘车路线"), s("登记时间"),   s("备注")};
    d.gridColumns = d.columns.mid(0, 13);
    // Table order: "流水号" is the row key itself, so the list is in running-number order.
    d.fields = {F::line(name, s("客户名称：")),         F::line(s("客户单位"), s("单位(公司)：")),
                F::line(s("物资主管"), s("物资主管：")), F::line(s("联系人"), s("联系人：")),
                F::line(s("联系电话"), s("联系电话：")), F::line(s("传真"), s("传真：")),
                F::line(s("地址"), s("地址：")),         F::line(s("邮编"), s("邮编：")),
                F::line(s("电子邮件"), s("电子邮件：")),
                F::choice(s("类别"), s("类别："), s("客户分类"), s("客户类别")),
                F::line(s("税号"), s("税号：")),         F::line(s("账号"), s("账号：")),
                F::line(s("乘车路线"), s("乘车线路：")), F::memo(s("备注"), s("备注："))};
    d.keyColumn = name;
    d.trimKey = true;
    // Saving tests the name and the class; the other limits hold on Enter only.
    d.checks = {C::required(name, s("客户名称不能为空！")),
                C::maxBytes(name, 50, s("客户名称太长，请简写！")),
                C::unique(name, s("客户名称重复，请重新输入！")),
                C::maxBytes(s("客户单位"), 50, s("公司名称太长，请简写！"), Enter),
                C::maxBytes(s("物资主管"), 20, s("物资主管名称太长，请简写！"), Enter),
                C::maxBytes(s("联系人"), 20, s("联系人名称太长，请简写！"), Enter),
                C::maxBytes(s("联系电话"), 50, s("联系电话太长，请简写！"), Enter),
                C::maxBytes(s("传真"), 20, s("传真号码太长，请简写！"), Enter),
                C::maxBytes(s("地址"), 100, s("地址太长，请简写！"), Enter),
                C::maxBytes(s("邮编"), 8, s("邮编太长，请简写！"), Enter),
                C::maxBytes(s("电子邮件"), 50, s("电子邮件地址太长，请简写！"), Enter),
                C::required(s("类别"), s("客户类别不能为空！"), Enter),
                C::exists(s("类别"), s("客户分类"), s("客户类别"), s("不存在该客户类别，请重新选择！"))};
    d.addedMessage = s("客户信息添加成功！");
    d.changedMessage = s("客户信息修改成功！");
    d.stampColumn = s("登记时间");
    d.searchModes = {{s("按客户名称查询"), name},         {s("按客户类别查询"), s("类别")},
                     {s("按客户单位查询"), s("客户单位")}, {s("按物资主管查询"), s("物资主管")},
                     {s("按联系电话查询"), s("联系电话")}, {s("按电子邮件查询"), s("电子邮件")},
                     {s("按客户地址查询"), s("地址")},     {s("按客户邮编查询"), s("邮编")},
                     {s("按税号查询"), s("税号")},         {s("按账号查询"), s("账号")}};
    d.emptySearchMessage = s("请输入查询内容后再查询！");
    d.notFoundMessage = s("无此客户，请重新输入查询！");
    return d;
}
