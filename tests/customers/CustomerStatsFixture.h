#pragma once

#include "TestDatabase.h"

// Customers registered around the end of 2024, "today" being 31 December 2024, in nineteen
// classes (the palette has eighteen colours).
//
//   张三 零售 2024-12-31 (remarks "老客户")   李四 单位 2024-12-31   王五 零售 2024-12-01
//   赵六 会员 2024-11-30   钱七 零售 2025-01-01   孙八 (a class since removed) 2024-06-15
//   周九 第十九类 2023-12-15
//
// Today 2, this month 3, all 7; 2024 by month: June 1, November 1, December 3.
namespace CustomerStatsFixture {

inline const QDate Today(2024, 12, 31);

inline QStringList classes()
{
    QStringList names{"零售", "单位", "会员"};
    for (int i = 4; i <= 18; ++i)
        names << QStringLiteral("第%1类").arg(i);
    names << QStringLiteral("第十九类");
    return names;
}

inline void arrange(TestDatabase &t)
{
    t.ctx.fixedToday = Today;
    for (const QString &c : classes())
        t.exec(QStringLiteral("INSERT INTO 客户分类 (客户类别, 是否回访) VALUES (?, 0)"), {c});
    const QList<QStringList> customers = {
        {"张三", "零售", "2024-12-31", "老客户"}, {"李四", "单位", "2024-12-31", ""},
        {"王五", "零售", "2024-12-01", ""},      {"赵六", "会员", "2024-11-30", ""},
        {"钱七", "零售", "2025-01-01", ""},      {"孙八", "旧类别", "2024-06-15", ""},
        {"周九", "第十九类", "2023-12-15", ""},
    };
    for (const QStringList &c : customers)
        t.exec(QStringLiteral("INSERT INTO 客户目录 (客户名称, 类别, 登记时间, 备注, 联系电话) VALUES (?, ?, ?, ?, ?)"),
               {c[0], c[1], c[2], c[3], QStringLiteral("1380000") + c[2].right(2)});
}

} // namespace CustomerStatsFixture
