#include "forms/app/Navigation.h"

#include "core/app/RightsTable.h"

#include <QHash>

namespace {
QString u(const char *s) { return QString::fromUtf8(s); }

const QHash<QString, QPair<QString, QString>> &nodes() // node -> entry, status
{
    static const QHash<QString, QPair<QString, QString>> t = [] {
        QHash<QString, QPair<QString, QString>> h;
        auto same = [&h](const char *node, const char *status) { h.insert(u(node), {u(node), u(status)}); };
        same("维修登记", " 维修登记");
        same("检测报价", " 检测报价");
        same("维修处理", " 维修处理");
        same("结算收费", " 结算收费");
        same("已经结单", " 已经结单");
        same("业务查询", " 业务查询－全部业务");
        same("当天业务", " 业务查询－当天业务");
        same("当月业务", " 业务查询－当月业务");
        same("已结束业务", " 业务查询－已结束业务");
        same("返修业务", " 业务查询－返修业务");
        same("处理中业务", " 业务查询－处理中业务");
        same("商品出售", " 商品出售");
        same("退换处理", " 退货处理");
        same("返修处理", " 返修处理");
        same("销售查询", " 销售查询");
        same("退换查询", " 退换查询");
        same("回访设置", " 回访设置");
        same("待回访", " 待回访");
        same("历史回访", " 历史回访");
        same("客户资料", " 客户资料－全部客户");
        same("当前库存", " 当前库存");
        same("入库单", " 入库单");
        same("出库单", " 出库单");
        same("配件入库", " 配件入库");
        same("配件出库", " 配件出库");
        same("客户目录", " 客户目录");
        same("配件目录", " 配件目录");
        same("供应商目录", " 供应商目录");
        same("回访员目录", " 回访员目录");
        same("技术员目录", " 技术员目录");
        same("配件分类目录", " 配件分类目录");
        same("维修项目目录", " 维修项目目录");
        same("维修物类别目录", " 维修物类别目录");
        same("维修物品牌目录", " 维修物品牌目录");
        same("故障描述目录", " 故障描述目录");
        same("其它约定", " 其它约定");
        same("当前基本情况", " 当前基本情况");
        same("月度经营历程", " 月度经营历程");
        same("月配件销售排行", " 月度销售排行");
        same("月客户排行", " 月度客户排行");
        same("回访员排行", " 月度回访员排行");
        same("技术员排行", " 月度技术员业绩排行");
        same("配件价格目录", " 配件定价");
        same("客户分类目录", " 客户分类目录");
        same("客户情况统计", " 客户情况统计");
        return h;
    }();
    return t;
}
} // namespace

QList<QPair<QString, QStringList>> Navigation::tree()
{
    auto list = [](std::initializer_list<const char *> names) {
        QStringList l;
        for (const char *n : names)
            l << u(n);
        return l;
    };
    return {
        {u("维修业务"), list({"维修登记", "检测报价", "维修处理", "结算收费", "已经结单", "返修处理"})},
        {u("业务查询"), list({"当天业务", "当月业务", "处理中业务", "已结束业务", "返修业务"})},
        {u("商品销售"), list({"商品出售", "退换处理", "销售查询", "退换查询"})},
        {u("客户回访"), list({"待回访", "历史回访", "回访设置"})},
        {CustomerNode, {}},
        {u("配件库存"), list({"当前库存", "配件入库", "配件出库", "出库单", "入库单"})},
        {u("统计分析"), list({"当前基本情况", "月配件销售排行", "月度经营历程", "月客户排行", "客户情况统计", "技术员排行",
                           "回访员排行"})},
        {u("基本信息"), list({"客户分类目录", "配件分类目录", "客户目录", "配件目录", "供应商目录", "技术员目录", "回访员目录",
                           "配件价格目录", "维修物类别目录", "维修物品牌目录", "维修项目目录", "故障描述目录", "其它约定"})},
    };
}

std::optional<Navigation::Target> Navigation::node(const QString &text)
{
    const auto it = nodes().constFind(text);
    if (it == nodes().cend())
        return std::nullopt;
    return Target{text, it->first, it->second};
}

QString Navigation::customerClassStatus(const QString &className)
{
    return QStringLiteral(" 客户资料－") + className;
}

QString Navigation::customerClassCaption(const QString &className)
{
    return QStringLiteral("客户资料－") + className;
}

QStringList Navigation::panelButtons()
{
    return {u("维修登记"), u("检测报价"), u("维修处理"), u("收费结算"), u("客户回访"), u("商品出售"), u("当前库存")};
}

std::optional<Navigation::Target> Navigation::panelButton(const QString &caption)
{
    static const QHash<QString, QPair<QString, QString>> t = {
        {u("维修登记"), {u("维修登记"), u(" 维修登记")}},
        {u("检测报价"), {u("检测报价"), u(" 检测报价")}},
        {u("维修处理"), {u("维修处理"), u(" 维修处理")}},
        {u("收费结算"), {u("结算收费"), u(" 结算收费")}},
        {u("客户回访"), {u("待回访"), u(" 待回访")}},
        {u("商品出售"), {u("商品出售"), u(" 商品出售")}},
        {u("当前库存"), {u("当前库存"), u(" 当前库存")}},
    };
    const auto it = t.constFind(caption);
    if (it == t.cend())
        return std::nullopt;
    return Target{RightsTable::panelButton(caption), it->first, it->second};
}

std::optional<Navigation::Target> Navigation::panelAction(const QString &action)
{
    static const QHash<QString, QString> t = {
        {QStringLiteral("ViewStock"), u("当前库存")},     {QStringLiteral("RepairReg"), u("维修登记")},
        {QStringLiteral("RepairDealWith"), u("维修处理")}, {QStringLiteral("RepairCharge"), u("结算收费")},
        {QStringLiteral("RepairCheck"), u("检测报价")},    {QStringLiteral("StockWarning"), u("当前库存")},
    };
    const auto it = t.constFind(action);
    if (it == t.cend())
        return std::nullopt;
    return Target{action, *it, QString()};
}
