#include "data/db/Schema.h"

#include "core/app/DateText.h"
#include "core/app/Money.h"

namespace {

using T = ColumnType;

ColumnDef text(const char *n) { return {QString::fromUtf8(n), T::Text}; }
ColumnDef memo(const char *n) { return {QString::fromUtf8(n), T::Memo}; }
ColumnDef money(const char *n) { return {QString::fromUtf8(n), T::Money}; }
ColumnDef integer(const char *n) { return {QString::fromUtf8(n), T::Integer}; }
ColumnDef yesNo(const char *n) { return {QString::fromUtf8(n), T::YesNo}; }
ColumnDef date(const char *n) { return {QString::fromUtf8(n), T::Date}; }
ColumnDef autoNumber(const char *n) { return {QString::fromUtf8(n), T::AutoNumber}; }

TableDef table(const char *name, QList<ColumnDef> columns)
{
    return {QString::fromUtf8(name), std::move(columns)};
}

QList<TableDef> buildTables()
{
    QList<ColumnDef> operators = {text("用户名"), text("密码"), text("姓名"), text("权限")};
    for (const char *right : {"维修登记", "检修报价", "维修处理", "结算收费", "维修查询", "回访操作", "回访查询",
                              "销售操作", "销售查询", "入库操作", "出库操作", "库存查询", "基本信息查询",
                              "基本信息编辑", "客户资料查询", "客户资料编辑", "后台数据库", "查看统计",
                              "技术员视图"})
        operators << yesNo(right);

    return {
        table("维修", {text("业务编号"), date("接修日期"), text("接修时间"), text("经办人"), text("客户"),
                       text("物件名称"), text("物件编号"), text("随机附件"), text("维修物类别"), text("维修物品牌"),
                       memo("故障描述"), text("送修类别"), text("服务方式"), text("预约时间"), text("上门时间"),
                       yesNo("保内"), text("技术员"), text("当前状态"), text("已处理天数"), money("配件费用"),
                       money("维修费用"), money("附加费用"), text("附加费说明"), money("费用合计"), money("预付款"),
                       money("实际收费"), text("收费方式"), text("发票号码"), money("配件成本"), money("毛利"),
                       money("退款"), text("出库单据"), date("返回日期"), yesNo("已经派工"), yesNo("客户确认"),
                       text("维修情况"), memo("维修小结"), text("取消维修原因"), text("是否返修"), memo("备注")}),
        table("配件", {text("单据编号"), text("配件编号"), text("配件"), integer("数目"), money("单价"), money("合计"),
                       text("SN")}),
        table("客户目录", {autoNumber("流水号"), text("类别"), text("客户名称"), text("客户单位"), text("联系人"),
                           text("物资主管"), text("联系电话"), text("传真"), text("地址"), text("邮编"),
                           text("电子邮件"), text("税号"), text("账号"), text("乘车路线"), date("登记时间"),
                           memo("备注")}),
        table("个人客户目录", {text("客户名称")}),
        table("客户分类", {text("客户类别"), yesNo("是否回访")}),
        table("库存", {text("编号"), text("名称"), text("类别"), text("规格"), text("单位"), integer("库存"),
                       integer("警戒库存"), text("供货商"), money("进货单价"), text("保修期"), text("备注"),
                       integer("配件申请")}),
        table("入库单", {text("单据编号"), date("填单时间"), text("经办人"), text("供应商"), text("入库原因"),
                         text("编号"), text("配件名称"), text("所属类别"), text("规格"), text("单位"), integer("数量"),
                         money("进货单价"), money("金额"), text("保修期"), text("SN"), text("备注")}),
        table("出库单", {text("单据编号"), date("填单时间"), text("经办人"), text("出库原因"), text("编号"),
                         text("配件名称"), text("所属类别"), text("规格"), text("单位"), integer("数量"),
                         text("保修期"), text("备注")}),
        table("销售", {text("业务编号"), text("出库单编号"), text("经办人"), text("客户名称"), date("日期"),
                       text("客户类别"), text("客户电话"), money("应收款"), money("实收款"), text("发票号码"),
                       money("毛利"), memo("备注")}),
        table("销售单", {text("单据编号"), text("商品编号"), text("商品名称"), text("单位"), integer("数量"),
                         money("单价"), money("金额"), text("SN"), text("保修期"), text("备注")}),
        table("退换", {text("单据编号"), date("填单时间"), text("经办人"), text("客户"), text("退换标识"),
                       text("所退配件编号"), text("所退配件SN"), text("所换配件编号"), text("所换配件SN"),
                       money("退款金额"), money("客户补款额"), memo("备注")}),
        table("配件目录", {autoNumber("流水号"), text("配件编号"), text("配件名称"), text("规格"), text("类别"),
                           text("单位"), integer("警戒库存"), money("销售价"), money("维修更换价"),
                           integer("本月售出"), integer("排行")}),
        table("类别目录", {text("类别")}),
        table("供应商目录", {text("供应商名称"), text("联系人"), text("联系电话"), text("传真"), text("地址"),
                             text("邮编"), text("电子邮件"), text("网址"), text("账号"), text("税号"), memo("备注")}),
        table("技术员目录", {text("技术员"), text("联系电话"), text("出生年月"), text("身份证号码"), text("住址"),
                             memo("备注"), integer("维修单数目"), integer("取消维修单"), integer("处理中维修"),
                             money("合计金额"), money("合计毛利"), money("发生配件费"), money("发生维修费"),
                             money("发生附加费"), integer("排行")}),
        table("回访员", {text("回访员"), text("联系电话"), text("出生年月"), text("身份证号码"), text("住址"),
                         memo("备注"), integer("回访单数量"), integer("排行")}),
        table("回访", {text("客户名称"), text("电话"), text("业务类别"), text("业务名称"), text("业务编号"),
                       date("业务发生时间"), date("业务结束时间"), text("距离业务结束时间"), date("回访时间"),
                       text("回访形式"), text("回访员"), text("被回访人"), text("客户满意度"), memo("客户意见"),
                       text("当前状态")}),
        table("用户管理", operators),
        table("基本信息", {text("标识"), text("值")}),
        table("编号计划", {text("前缀"), integer("后缀位数"), integer("起始")}),
        table("约定", {text("取物有效期"), text("保修条款1"), text("保修条款2"), text("保修条款3")}),
        table("维修物类别目录", {text("类别")}),
        table("品牌目录", {text("品牌")}),
        table("故障描述", {text("故障描述")}),
        table("维修情况", {text("维修情况")}),
        table("维修项目目录", {text("维修项目"), money("收费")}),
        table("记事本", {text("记事时间"), text("主题"), memo("内容"), text("记事人")}),
        table("客户排行", {integer("排行"), money("交易额"), text("客户名称"), text("客户单位"), text("客户类别"),
                           text("联系电话")}),
        table("月度情况", {text("月份"), money("销售额"), money("毛利")}),
    };
}

// Indexes for the columns that lists search, sort and filter on and that numbers probe; they
// change no result. Every sort item of a list needs one: without it each page sorts the table.
const char *const IndexedColumns[][2] = {
    {"维修", "业务编号"}, {"维修", "当前状态"}, {"维修", "客户"}, {"维修", "接修日期"}, {"维修", "返回日期"},
    {"维修", "技术员"}, {"维修", "经办人"}, {"维修", "物件名称"}, {"维修", "物件编号"}, {"维修", "实际收费"},
    {"维修", "发票号码"}, {"维修", "是否返修"},
    {"配件", "单据编号"}, {"配件", "SN"}, {"客户目录", "客户名称"}, {"客户目录", "登记时间"},
    {"客户目录", "类别"},
    {"库存", "编号"}, {"入库单", "单据编号"}, {"入库单", "填单时间"}, {"出库单", "单据编号"},
    {"出库单", "填单时间"}, {"销售", "业务编号"}, {"销售", "出库单编号"}, {"销售", "日期"},
    {"销售", "客户名称"}, {"销售单", "单据编号"}, {"销售单", "SN"}, {"退换", "单据编号"}, {"退换", "填单时间"},
    {"配件目录", "配件编号"}, {"回访", "当前状态"}, {"回访", "业务编号"}, {"回访", "回访时间"},
    {"基本信息", "标识"},
};

QString sqlType(ColumnType type)
{
    switch (type) {
    case T::Money:
    case T::Integer:
    case T::YesNo:
        return QStringLiteral("INTEGER");
    case T::AutoNumber:
        return QStringLiteral("INTEGER PRIMARY KEY AUTOINCREMENT");
    case T::Text:
    case T::Memo:
    case T::Date:
        break;
    }
    return QStringLiteral("TEXT");
}

} // namespace

const ColumnDef *TableDef::column(const QString &columnName) const
{
    for (const ColumnDef &c : columns)
        if (c.name == columnName)
            return &c;
    return nullptr;
}

QStringList TableDef::columnNames() const
{
    QStringList names;
    for (const ColumnDef &c : columns)
        names << c.name;
    return names;
}

const QList<TableDef> &Schema::tables()
{
    static const QList<TableDef> all = buildTables();
    return all;
}

const TableDef *Schema::table(const QString &name)
{
    for (const TableDef &t : tables())
        if (t.name == name)
            return &t;
    return nullptr;
}

ColumnType Schema::columnType(const QString &tableName, const QString &column)
{
    if (const TableDef *t = table(tableName))
        if (const ColumnDef *c = t->column(column))
            return c->type;
    return ColumnType::Text;
}

ColumnRef Schema::column(const QString &tableName, const QString &columnName)
{
    return {tableName, columnName, columnType(tableName, columnName)};
}

ColumnRef Schema::column(const char *tableName, const char *columnName)
{
    return column(QString::fromUtf8(tableName), QString::fromUtf8(columnName));
}

QStringList Schema::createStatements()
{
    QStringList statements;
    for (const TableDef &t : tables()) {
        QStringList cols;
        for (const ColumnDef &c : t.columns)
            cols << u'"' + c.name + QStringLiteral("\" ") + sqlType(c.type);
        statements << QStringLiteral("CREATE TABLE \"%1\" (%2)").arg(t.name, cols.join(QStringLiteral(", ")));
    }
    for (const IndexDef &ix : indexes())
        statements << ix.createStatement();
    return statements;
}

const QList<IndexDef> &Schema::indexes()
{
    static const QList<IndexDef> all = [] {
        QList<IndexDef> list;
        for (const auto &ix : IndexedColumns) {
            const QString tableName = QString::fromUtf8(ix[0]);
            const QString column = QString::fromUtf8(ix[1]);
            list << IndexDef{QStringLiteral("ix_%1_%2").arg(tableName, column), tableName, column};
        }
        return list;
    }();
    return all;
}

bool Schema::hasIndexOn(const QString &table, const QString &column)
{
    for (const IndexDef &ix : indexes())
        if (ix.table == table && ix.column == column)
            return true;
    return false;
}

QString IndexDef::createStatement() const
{
    return QStringLiteral("CREATE INDEX IF NOT EXISTS \"%1\" ON \"%2\" (\"%3\")").arg(name, table, column);
}

QString Schema::displayText(ColumnType type, const QVariant &stored)
{
    if (stored.isNull())
        return {};
    switch (type) {
    case T::Money:
        return Money::fromUnits(stored.toLongLong()).toText();
    case T::YesNo:
        return stored.toLongLong() != 0 ? QStringLiteral("True") : QStringLiteral("False");
    default:
        return stored.toString();
    }
}

std::optional<QVariant> Schema::storageValue(ColumnType type, const QString &input)
{
    const QString text = input.trimmed();
    switch (type) {
    case T::Text:
    case T::Memo:
        return QVariant(input);
    case T::Money: {
        if (text.isEmpty())
            return QVariant(QMetaType(QMetaType::LongLong));
        const auto m = Money::parse(text);
        return m ? std::optional<QVariant>(QVariant(qlonglong(m->units()))) : std::nullopt;
    }
    case T::Integer:
    case T::AutoNumber: {
        if (text.isEmpty())
            return QVariant(QMetaType(QMetaType::LongLong));
        bool ok = false;
        const qlonglong v = text.toLongLong(&ok);
        return ok ? std::optional<QVariant>(QVariant(v)) : std::nullopt;
    }
    case T::YesNo: {
        const QString t = text.toLower();
        if (t == u"1" || t == u"true" || t == u"是" || t == u"yes")
            return QVariant(qlonglong(1));
        if (t.isEmpty() || t == u"0" || t == u"false" || t == u"否" || t == u"no")
            return QVariant(qlonglong(0));
        return std::nullopt;
    }
    case T::Date: {
        if (text.isEmpty())
            return QVariant(QMetaType(QMetaType::QString));
        const QDate d = DateText::fromText(text);
        return d.isValid() ? std::optional<QVariant>(QVariant(DateText::toText(d))) : std::nullopt;
    }
    }
    return std::nullopt;
}

QString Schema::typeName(ColumnType type)
{
    switch (type) {
    case T::Money:
        return QStringLiteral("金额（最多四位小数）");
    case T::Integer:
    case T::AutoNumber:
        return QStringLiteral("整数");
    case T::YesNo:
        return QStringLiteral("是/否值（True 或 False）");
    case T::Date:
        return QStringLiteral("日期（yyyy-mm-dd）");
    case T::Text:
    case T::Memo:
        break;
    }
    return QStringLiteral("文本");
}
