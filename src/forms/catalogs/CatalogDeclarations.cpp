#include "forms/catalogs/CatalogDeclarations.h"

namespace {
using C = CatalogCheck;
using F = CatalogField;
const int Save = CatalogCheck::OnSave;

// The technician and follow-up staff catalogs differ only in their names.
CatalogDeclaration staff(const QString &caption, const QString &table, const QString &who,
                         const QStringList &grid)
{
    CatalogDeclaration d;
    d.caption = caption;
    d.table = table;
    d.columns = {who, QStringLiteral("联系电话"), QStringLiteral("出生年月"), QStringLiteral("身份证号码"),
                 QStringLiteral("住址"), QStringLiteral("备注")};
    d.gridColumns = grid;
    d.fields = {F::line(who, who + u'：'), F::line(QStringLiteral("联系电话"), QStringLiteral("联系电话：")),
                F::line(QStringLiteral("出生年月"), QStringLiteral("出生年月：")),
                F::line(QStringLiteral("身份证号码"), QStringLiteral("身份证号码：")),
                F::line(QStringLiteral("住址"), QStringLiteral("住址：")),
                F::memo(QStringLiteral("备注"), QStringLiteral("备注："))};
    d.keyColumn = who;
    d.checks = {C::required(who, who + QStringLiteral("名称不能为空！"), Save),
                C::unique(who, who + QStringLiteral("名称重复，添加失败！"), who + QStringLiteral("名称重复，修改失败！"),
                          Save)};
    d.addedMessage = who + QStringLiteral("信息添加成功！");
    d.changedMessage = who + QStringLiteral("信息修改成功！");
    d.emptyDeleteMessage = QStringLiteral("当前记录不存在！");
    d.refillWhileEditing = true; // the panel is not bound to the row: it follows the selection
    return d;
}
} // namespace

CatalogDeclaration CatalogDeclarations::nameList(const QString &caption, const QString &table, const QString &column,
                                                 const QString &inputTitle, const QString &what, bool uniqueLabel)
{
    CatalogDeclaration d;
    d.caption = caption;
    d.table = table;
    d.columns = {column};
    d.gridColumns = {column};
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
    return nameList(QStringLiteral("配件分类目录"), QStringLiteral("类别目录"), QStringLiteral("类别"),
                    QStringLiteral("请输入类别名称"), QStringLiteral("类别名称"), true);
}

CatalogDeclaration CatalogDeclarations::repairClasses()
{
    return nameList(QStringLiteral("维修物类别目录"), QStringLiteral("维修物类别目录"), QStringLiteral("类别"),
                    QStringLiteral("请输入类别名称"), QStringLiteral("类别名称"), true);
}

CatalogDeclaration CatalogDeclarations::brands()
{
    return nameList(QStringLiteral("品牌目录"), QStringLiteral("品牌目录"), QStringLiteral("品牌"),
                    QStringLiteral("请输入品牌名称"), QStringLiteral("品牌名称"), false);
}

CatalogDeclaration CatalogDeclarations::troubles()
{
    return nameList(QStringLiteral("故障列表"), QStringLiteral("故障描述"), QStringLiteral("故障描述"),
                    QStringLiteral("请输入故障描述"), QStringLiteral("故障描述"), false);
}

CatalogDeclaration CatalogDeclarations::repairItems()
{
    CatalogDeclaration d;
    d.caption = QStringLiteral("维修项目目录");
    d.table = QStringLiteral("维修项目目录");
    d.columns = {QStringLiteral("维修项目"), QStringLiteral("收费")};
    d.gridColumns = d.columns;
    d.fields = {F::line(QStringLiteral("维修项目"), QStringLiteral("维修项目：")),
                F::line(QStringLiteral("收费"), QStringLiteral("收费："))};
    d.checks = {C::required(QStringLiteral("维修项目"), QStringLiteral("维修项目不能为空！")),
                C::maxBytes(QStringLiteral("维修项目"), 50, QStringLiteral("维修项目太长！")),
                // A fee that is no number is refused before anything is written.
                C::number(QStringLiteral("收费"), CatalogDeclaration::NotNumberMessage, Save)};
    d.editAction.clear(); // this screen tests no right
    d.emptyDeleteMessage = QStringLiteral("不存在可删除的用户记录！");
    return d;
}

CatalogDeclaration CatalogDeclarations::suppliers()
{
    const QString name = QStringLiteral("供应商名称");
    CatalogDeclaration d;
    d.caption = QStringLiteral("供应商目录");
    d.table = QStringLiteral("供应商目录");
    d.columns = {name, QStringLiteral("联系人"), QStringLiteral("联系电话"), QStringLiteral("地址"),
                 QStringLiteral("邮编"), QStringLiteral("电子邮件"), QStringLiteral("网址"), QStringLiteral("账号"),
                 QStringLiteral("税号"), QStringLiteral("备注")};
    d.gridColumns = d.columns.mid(0, 9);
    d.fields = {F::line(name, QStringLiteral("名称：")),
                F::line(QStringLiteral("联系人"), QStringLiteral("联系人：")),
                F::line(QStringLiteral("联系电话"), QStringLiteral("电话：")),
                F::line(QStringLiteral("地址"), QStringLiteral("地址：")),
                F::line(QStringLiteral("邮编"), QStringLiteral("邮  编：")),
                F::line(QStringLiteral("电子邮件"), QStringLiteral("邮址：")),
                F::line(QStringLiteral("账号"), QStringLiteral("账号：")),
                F::line(QStringLiteral("税号"), QStringLiteral("税  号：")),
                F::line(QStringLiteral("网址"), QStringLiteral("网址：")),
                F::memo(QStringLiteral("备注"), QStringLiteral("备  注："))};
    d.keyColumn = name;
    d.checks = {
        C::required(name, QStringLiteral("供应商名称不能为空！")),
        C::maxBytes(name, 25, QStringLiteral("供应商名称太长！")),
        C::maxBytes(QStringLiteral("联系人"), 9, QStringLiteral("联系人位数太长！")),
        C::maxBytes(QStringLiteral("联系电话"), 50, QStringLiteral("电话号码数据过长！")),
        C::maxBytes(QStringLiteral("电子邮件"), 50, QStringLiteral("电子邮件地址太长！")),
        C::maxBytes(QStringLiteral("地址"), 50, QStringLiteral("地址数据过长！")),
        C::maxBytes(QStringLiteral("邮编"), 10, QStringLiteral("邮编位数太长！")),
        C::maxBytes(QStringLiteral("网址"), 50, QStringLiteral("网址太长！")),
        // The name check proper; its own length limit is wider than the one above.
        C::maxBytes(name, 50, QStringLiteral("供应商名称太长，请简写！")),
        C::unique(name, QStringLiteral("供应商名称重复，请重新输入！")),
    };
    d.addedMessage = QStringLiteral("供应商信息添加成功！");
    d.changedMessage = QStringLiteral("供应商信息修改成功！");
    return d;
}

CatalogDeclaration CatalogDeclarations::technicians()
{
    return staff(QStringLiteral("维修技术员目录"), QStringLiteral("技术员目录"), QStringLiteral("技术员"),
                 {QStringLiteral("技术员"), QStringLiteral("联系电话"), QStringLiteral("出生年月"),
                  QStringLiteral("身份证号码"), QStringLiteral("住址")});
}

CatalogDeclaration CatalogDeclarations::followUpStaff()
{
    return staff(QStringLiteral("回访员目录"), QStringLiteral("回访员"), QStringLiteral("回访员"),
                 {QStringLiteral("回访员"), QStringLiteral("联系电话"), QStringLiteral("身份证号码"),
                  QStringLiteral("出生年月"), QStringLiteral("住址")});
}
