#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

// The rights word of an operator: one bit per right column of "用户管理", in this order.
// A super user holds every bit (the word is all ones).
enum class Right : quint32 {
    RepairRegister = 1u << 0,   // "维修登记"
    RepairCheck = 1u << 1,      // "检修报价"
    RepairHandle = 1u << 2,     // "维修处理"
    RepairCharge = 1u << 3,     // "结算收费"
    RepairQuery = 1u << 4,      // "维修查询"
    FollowUpDo = 1u << 5,       // "回访操作"
    FollowUpQuery = 1u << 6,    // "回访查询"
    SaleDo = 1u << 7,           // "销售操作"
    SaleQuery = 1u << 8,        // "销售查询"
    StockIn = 1u << 9,          // "入库操作"
    StockOut = 1u << 10,        // "出库操作"
    StockQuery = 1u << 11,      // "库存查询"
    CatalogQuery = 1u << 12,    // "基本信息查询"
    CatalogEdit = 1u << 13,     // "基本信息编辑"
    CustomerQuery = 1u << 14,   // "客户资料查询"
    CustomerEdit = 1u << 15,    // "客户资料编辑"
    DatabaseBrowse = 1u << 16,  // "后台数据库"
    Statistics = 1u << 17,      // "查看统计"
    TechnicianView = 1u << 18,  // "技术员视图"
};

namespace Rights {
inline constexpr quint32 SuperUser = 0xFFFFFFFFu;
inline constexpr int Count = 19;
inline constexpr bool has(quint32 word, Right r) { return (word & quint32(r)) != 0; }
inline constexpr bool isSuperUser(quint32 word) { return word == SuperUser; }
// The right columns of "用户管理" in bit order: bit i is column i.
inline QStringList columnNames()
{
    return {QStringLiteral("维修登记"), QStringLiteral("检修报价"), QStringLiteral("维修处理"), QStringLiteral("结算收费"),
            QStringLiteral("维修查询"), QStringLiteral("回访操作"), QStringLiteral("回访查询"), QStringLiteral("销售操作"),
            QStringLiteral("销售查询"), QStringLiteral("入库操作"), QStringLiteral("出库操作"), QStringLiteral("库存查询"),
            QStringLiteral("基本信息查询"), QStringLiteral("基本信息编辑"), QStringLiteral("客户资料查询"),
            QStringLiteral("客户资料编辑"), QStringLiteral("后台数据库"), QStringLiteral("查看统计"),
            QStringLiteral("技术员视图")};
}
}
