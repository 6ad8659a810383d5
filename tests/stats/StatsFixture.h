#pragma once

#include "TestDatabase.h"

// A shop whose December 2024 figures are known by hand. "Today" is 31 December 2024.
//
// Jobs ("返回日期" / state / prepayment + charge / gross profit / "接修日期"):
//   A  2024-12-31 已结束 50 + 150  60     2024-12-20   ended today
//   B  2024-12-31 已取消 30 + 0    0      2024-12-31   cancelled today: finished, no takings
//   C  —          待维修 20 + 0    —      2024-12-31   open, taken in today
//   D  2024-12-01 已结束 0 + 200.5 80.25  2024-11-28   the month's first day
//   G  2024-12-15 已结束 — + 40    —      2024-12-10   no prepayment written at all
//   E  2025-01-01 已结束 0 + 1000  500    2024-12-30   next year's first day: not December
//   F  2024-11-30 已结束 0 + 70    10     2024-11-20   November
// Sales ("日期" / received / gross profit): 2024-12-31 80 / 30; 2024-12-05 19.9 / 5;
// 2025-01-01 500 / 200; 2024-06-15 100 / 40.
//
// Today: turnover 50 + 150 + 80 = 280, profit 60 + 30 = 90, registered B and C, finished A and
// B, direct sales 80. December: turnover 200 + 200.5 + 40 + 80 + 19.9 = 540.4, profit 60 + 80.25
// + 30 + 5 = 175.25, registered A, B, C, G and E (taken in on the 30th), finished A, B, D and G,
// direct sales 99.9.
namespace StatsFixture {

inline const QDate Today(2024, 12, 31);

inline QVariant amount(const char *text)
{
    if (!text)
        return QVariant();
    return qlonglong(qRound64(QByteArray(text).toDouble() * 10000));
}

inline void job(TestDatabase &t, const char *number, const char *ended, const char *state, const char *prepaid,
                const char *charged, const char *profit, const char *takenIn)
{
    t.exec(QStringLiteral("INSERT INTO 维修 (业务编号, 返回日期, 当前状态, 预付款, 实际收费, 毛利, 接修日期) VALUES (?, ?, ?, ?, ?, ?, ?)"),
           {QString::fromUtf8(number), ended ? QVariant(QString::fromUtf8(ended)) : QVariant(), QString::fromUtf8(state),
            amount(prepaid), amount(charged), amount(profit), QString::fromUtf8(takenIn)});
}

inline void sale(TestDatabase &t, const char *number, const char *date, const char *received, const char *profit)
{
    t.exec(QStringLiteral("INSERT INTO 销售 (业务编号, 日期, 实收款, 毛利) VALUES (?, ?, ?, ?)"),
           {QString::fromUtf8(number), QString::fromUtf8(date), amount(received), amount(profit)});
}

inline void arrange(TestDatabase &t)
{
    t.ctx.fixedToday = Today;
    job(t, "A", "2024-12-31", "已结束", "50", "150", "60", "2024-12-20");
    job(t, "B", "2024-12-31", "已取消", "30", "0", "0", "2024-12-31");
    job(t, "C", nullptr, "待维修", "20", "0", nullptr, "2024-12-31");
    job(t, "D", "2024-12-01", "已结束", "0", "200.5", "80.25", "2024-11-28");
    job(t, "G", "2024-12-15", "已结束", nullptr, "40", nullptr, "2024-12-10");
    job(t, "E", "2025-01-01", "已结束", "0", "1000", "500", "2024-12-30");
    job(t, "F", "2024-11-30", "已结束", "0", "70", "10", "2024-11-20");
    sale(t, "s1", "2024-12-31", "80", "30");
    sale(t, "s2", "2024-12-05", "19.9", "5");
    sale(t, "s3", "2025-01-01", "500", "200");
    sale(t, "s4", "2024-06-15", "100", "40");
}

} // namespace StatsFixture
