#include "core/repair/RepairQueryRules.h"

namespace RepairQueryRules {

QStringList modes() { return {strALL, strToday, strToMonth, strRepairBack, strOnDealing, strOver, strOVERDELAY}; }

const QList<SearchMode> &searchModes()
{
    using K = SearchKind;
    static const QList<SearchMode> list = {
        {QStringLiteral("按业务编号查询"), K::Column, QStringLiteral("业务编号")},
        {QStringLiteral("按当前状态查询"), K::Column, QStringLiteral("当前状态")},
        {QStringLiteral("按经办人查询"), K::Column, QStringLiteral("经办人")},
        {QStringLiteral("按客户查询"), K::Column, QStringLiteral("客户")},
        {QStringLiteral("按维修物名称查询"), K::Column, QStringLiteral("物件名称")},
        {QStringLiteral("按维修物编号查询"), K::Column, QStringLiteral("物件编号")},
        {QStringLiteral("按发票号码查询"), K::Column, QStringLiteral("发票号码")},
        {QStringLiteral("按维修技术员查询"), K::Column, QStringLiteral("技术员")},
        {QStringLiteral("按回访员查询"), K::FollowUpStaff, QStringLiteral("回访员")},
        {QStringLiteral("按故障描述查询"), K::Column, QStringLiteral("故障描述")},
        {QStringLiteral("按维修小结查询"), K::Column, QStringLiteral("维修小结")},
        {QStringLiteral("按配件SN查询"), K::PartSerial, QStringLiteral("SN")},
    };
    return list;
}

QStringList searchLabels()
{
    QStringList labels{ShowAll};
    for (const SearchMode &m : searchModes())
        labels << m.label;
    return labels;
}

const SearchMode *searchMode(const QString &label)
{
    for (const SearchMode &m : searchModes())
        if (m.label == label)
            return &m;
    return nullptr;
}

const QList<SortItem> &sortItems()
{
    static const QList<SortItem> list = {
        {QStringLiteral("按接修时间排序（降）"), QStringLiteral("接修日期"), true},
        {QStringLiteral("按接修时间排序（升）"), QStringLiteral("接修日期"), false},
        {QStringLiteral("按返还时间排序（降）"), QStringLiteral("返回日期"), true},
        {QStringLiteral("按返还时间排序（升）"), QStringLiteral("返回日期"), false},
        {QStringLiteral("按当前状态排序"), QStringLiteral("当前状态"), false},
        {QStringLiteral("按业务编号排序"), QStringLiteral("业务编号"), false},
        {QStringLiteral("按客户排序"), QStringLiteral("客户"), false},
        {QStringLiteral("按经办人排序"), QStringLiteral("经办人"), false},
        {QStringLiteral("按物件名称排序"), QStringLiteral("物件名称"), false},
        {QStringLiteral("按物件编号排序"), QStringLiteral("物件编号"), false},
        {QStringLiteral("按收费金额排序"), QStringLiteral("实际收费"), false},
        {QStringLiteral("按发票号码排序"), QStringLiteral("发票号码"), false},
    };
    return list;
}

SortItem sortItem(const QString &label)
{
    for (const SortItem &s : sortItems())
        if (s.label == label)
            return s;
    return sortItems().first();
}
} // namespace RepairQueryRules
