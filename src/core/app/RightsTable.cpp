#include "core/app/RightsTable.h"

#include <QHash>

namespace {

enum class Rule {
    None,          // no right needed
    Bits,          // any of `bits`
    OwnOrBits,     // any of `bits`, else technician view with own repairs only
    SuperUserOnly,
};

struct Entry
{
    Rule rule;
    quint32 bits;
};

constexpr quint32 bit(Right r) { return quint32(r); }

QHash<QString, Entry> buildTable()
{
    QHash<QString, Entry> t;
    auto add = [&t](std::initializer_list<const char *> names, Rule rule, quint32 bits = 0) {
        for (const char *n : names)
            t.insert(QString::fromUtf8(n), {rule, bits});
    };
    // Navigation tree.
    add({"维修登记", "返修处理"}, Rule::Bits, bit(Right::RepairRegister));
    add({"检测报价"}, Rule::OwnOrBits, bit(Right::RepairCheck));
    add({"维修处理"}, Rule::OwnOrBits, bit(Right::RepairHandle));
    add({"结算收费"}, Rule::Bits, bit(Right::RepairCharge));
    add({"已经结单", "处理中业务"}, Rule::Bits, bit(Right::RepairQuery));
    add({"业务查询", "当天业务", "当月业务", "已结束业务", "返修业务"}, Rule::OwnOrBits, bit(Right::RepairQuery));
    add({"商品出售", "退换处理"}, Rule::Bits, bit(Right::SaleDo));
    add({"销售查询", "退换查询"}, Rule::Bits, bit(Right::SaleQuery));
    add({"待回访"}, Rule::Bits, bit(Right::FollowUpDo));
    add({"历史回访"}, Rule::Bits, bit(Right::FollowUpQuery));
    add({"回访设置"}, Rule::SuperUserOnly);
    add({"客户资料"}, Rule::Bits, bit(Right::CustomerQuery));
    add({"当前库存", "入库单", "出库单"}, Rule::Bits, bit(Right::StockQuery));
    add({"配件入库"}, Rule::Bits, bit(Right::StockIn));
    add({"配件出库"}, Rule::Bits, bit(Right::StockOut));
    add({"客户分类目录", "配件分类目录", "客户目录", "配件目录", "供应商目录", "技术员目录", "回访员目录",
         "配件价格目录", "维修物类别目录", "维修物品牌目录", "维修项目目录", "故障描述目录", "其它约定"},
        Rule::Bits, bit(Right::CatalogQuery));
    add({"当前基本情况", "月配件销售排行", "月度经营历程", "月客户排行", "客户情况统计", "回访员排行"}, Rule::Bits,
        bit(Right::Statistics));
    add({"技术员排行"}, Rule::OwnOrBits, bit(Right::Statistics));
    // Business panel buttons. Their own names, as two of them test fewer rights than the tree node of
    // the same caption, and "客户回访" is also a tree group that needs no right.
    add({"面板/维修登记"}, Rule::Bits, bit(Right::RepairRegister));
    add({"面板/检测报价"}, Rule::Bits, bit(Right::RepairCheck));
    add({"面板/维修处理"}, Rule::Bits, bit(Right::RepairHandle));
    add({"面板/收费结算"}, Rule::Bits, bit(Right::RepairCharge));
    add({"面板/客户回访"}, Rule::Bits, bit(Right::FollowUpDo));
    add({"面板/商品出售"}, Rule::Bits, bit(Right::SaleDo));
    add({"面板/当前库存"}, Rule::Bits, bit(Right::StockQuery));
    // Welcome screen links, by the panel action each asks for.
    add({"RepairReg"}, Rule::Bits, bit(Right::RepairRegister));
    add({"RepairCheck"}, Rule::Bits, bit(Right::RepairCheck));
    add({"RepairDealWith"}, Rule::Bits, bit(Right::RepairHandle));
    add({"RepairCharge"}, Rule::Bits, bit(Right::RepairCharge));
    add({"StockWarning", "ViewStock"}, Rule::Bits, bit(Right::StockQuery));
    // Menu.
    add({"系统初始化", "数据恢复", "用户管理", "权限分配", "编号设置"}, Rule::SuperUserOnly);
    add({"后台数据库"}, Rule::Bits, bit(Right::DatabaseBrowse));
    add({"数据备份", "计算器", "压缩数据库", "设置欢迎界面", "设置备份路径", "关于", "帮助", "意见反馈"}, Rule::None);
    // In-screen actions.
    add({"基本信息编辑"}, Rule::Bits, bit(Right::CatalogEdit));
    add({"更新库存", "更新"}, Rule::SuperUserOnly);
    return t;
}

const QHash<QString, Entry> &table()
{
    static const QHash<QString, Entry> t = buildTable();
    return t;
}

} // namespace

RightsTable::Access RightsTable::access(const QString &action, quint32 rights)
{
    const auto it = table().constFind(action);
    if (it == table().cend())
        return Access::Full;
    switch (it->rule) {
    case Rule::None:
        return Access::Full;
    case Rule::Bits:
        return (rights & it->bits) ? Access::Full : Access::Denied;
    case Rule::OwnOrBits:
        if (rights & it->bits)
            return Access::Full;
        return Rights::has(rights, Right::TechnicianView) ? Access::OwnOnly : Access::Denied;
    case Rule::SuperUserOnly:
        return Rights::isSuperUser(rights) ? Access::Full : Access::Denied;
    }
    return Access::Denied;
}

bool RightsTable::knows(const QString &action)
{
    return table().contains(action);
}

QStringList RightsTable::actions()
{
    QStringList names = table().keys();
    names.sort();
    return names;
}
