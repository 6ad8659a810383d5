#pragma once

#include "TestDatabase.h"

// A shop whose May 2024 rankings are known by hand. "Today" is 20 May 2024.
//
// Technicians, in table order 王师傅, O'Neil, 李工, 张三. Jobs returned in May ("返回日期"):
//   王师傅  已结束 charge 100 profit 40 fees 30/60/10; 已取消 0; 待收费 50; 待结算 20 profit 5
//           fees 5/15/0 (being settled: not in hand); also 2024-04-30 (888) and 2024-06-01 (999)
//   O'Neil  已结束 170 profit 90
//   李工    已结束 120 profit 60
// By turnover: 王师傅 170 and O'Neil 170 (tie, table order), 李工 120, 张三 0.
// By profit: O'Neil 90, 李工 60, 王师傅 45, 张三 0.
//
// Parts, in table order P1, P2, P3, P4. May stock-out lines: P2 twice with 5 pieces (repair use
// and sale): 2; P1 once with 100 pieces (sale): 1; P4 once (repair use): 1, after P1; P3 only
// "领用" and a June sale: 0, ranked last and not listed.
//
// Customers, in directory order 张三, 李四, 王五, O'Brien, 赵六, with "路人" not in the directory.
// 张三: an ended repair of 100 taken in on 3 May and a sale of 50: 150. 李四: only a repair
// still "待收费": absent. 王五: a sale of 0.01: present. O'Brien: an ended repair of 150: 150, after
// 张三. 赵六: an ended repair taken in on 30 April: absent. 路人: a sale of 500: absent.
// Ranks: 张三 1, O'Brien 2, 王五 3.
//
// Follow-up staff, in table order 小王, 小李, 小张. 小李: two visits in May (ended, expired);
// 小王: one, and two follow-ups without a visit day; 小张: one in June. Ranks: 小李, 小王, 小张.
namespace RankingsFixture {

inline const QDate Today(2024, 5, 20);

inline QVariant amount(const char *text)
{
    return qlonglong(qRound64(QByteArray(text).toDouble() * 10000));
}

inline QString s(const char *text)
{
    return QString::fromUtf8(text);
}

inline void technician(TestDatabase &t, const char *name)
{
    t.exec(QStringLiteral("INSERT INTO 技术员目录 (技术员) VALUES (?)"), {s(name)});
}

inline void job(TestDatabase &t, const char *technician, const char *returned, const char *state, const char *charge,
                const char *profit = "0", const char *partsFee = "0", const char *labourFee = "0", const char *extraFee = "0")
{
    t.exec(QStringLiteral("INSERT INTO 维修 (业务编号, 技术员, 返回日期, 当前状态, 实际收费, 毛利, 配件费用, 维修费用, 附加费用)"
                          " VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)"),
           {QStringLiteral("wx-%1").arg(t.count(QStringLiteral("维修")) + 1), s(technician), s(returned), s(state),
            amount(charge), amount(profit), amount(partsFee), amount(labourFee), amount(extraFee)});
}

inline void arrangeTechnicians(TestDatabase &t)
{
    for (const char *name : {"王师傅", "O'Neil", "李工", "张三"})
        technician(t, name);
    job(t, "王师傅", "2024-05-01", "已结束", "100", "40", "30", "60", "10");
    job(t, "王师傅", "2024-05-31", "已取消", "0");
    job(t, "王师傅", "2024-05-10", "待收费", "50");
    job(t, "王师傅", "2024-05-11", "待结算", "20", "5", "5", "15", "0");
    job(t, "王师傅", "2024-04-30", "已结束", "888", "888");
    job(t, "王师傅", "2024-06-01", "已结束", "999", "999");
    job(t, "O'Neil", "2024-05-15", "已结束", "170", "90");
    job(t, "李工", "2024-05-20", "已结束", "120", "60");
}

inline void part(TestDatabase &t, const char *number, const char *name)
{
    t.exec(QStringLiteral("INSERT INTO 配件目录 (配件编号, 配件名称, 类别, 规格, 单位, 销售价, 维修更换价) VALUES (?, ?, '电源', 'A型', '个', ?, ?)"),
           {s(number), s(name), amount("12.5"), amount("15")});
}

inline void stockOutLine(TestDatabase &t, const char *number, const char *date, const char *reason, int pieces)
{
    t.exec(QStringLiteral("INSERT INTO 出库单 (单据编号, 填单时间, 出库原因, 编号, 数量) VALUES ('ck-1', ?, ?, ?, ?)"),
           {s(date), s(reason), s(number), pieces});
}

inline void arrangeParts(TestDatabase &t)
{
    part(t, "P1", "电源");
    part(t, "P2", "风扇");
    part(t, "P3", "硬盘");
    part(t, "P4", "内存");
    stockOutLine(t, "P2", "2024-05-02", "维修更换", 5);
    stockOutLine(t, "P2", "2024-05-09", "售出", 5);
    stockOutLine(t, "P1", "2024-05-31", "售出", 100);
    stockOutLine(t, "P4", "2024-05-01", "维修更换", 1);
    stockOutLine(t, "P3", "2024-05-03", "领用", 3);
    stockOutLine(t, "P3", "2024-06-01", "售出", 3);
    stockOutLine(t, "P1", "2024-04-30", "售出", 1);
}

inline void customer(TestDatabase &t, const char *name, const char *company, const char *cls, const char *phone)
{
    t.exec(QStringLiteral("INSERT INTO 客户目录 (客户名称, 客户单位, 类别, 联系电话) VALUES (?, ?, ?, ?)"),
           {s(name), s(company), s(cls), s(phone)});
}

inline void intake(TestDatabase &t, const char *customer, const char *takenIn, const char *state, const char *charge)
{
    t.exec(QStringLiteral("INSERT INTO 维修 (业务编号, 客户, 接修日期, 当前状态, 实际收费) VALUES (?, ?, ?, ?, ?)"),
           {QStringLiteral("wx-%1").arg(t.count(QStringLiteral("维修")) + 1), s(customer), s(takenIn), s(state), amount(charge)});
}

inline void sale(TestDatabase &t, const char *customer, const char *date, const char *received)
{
    t.exec(QStringLiteral("INSERT INTO 销售 (业务编号, 客户名称, 日期, 实收款) VALUES (?, ?, ?, ?)"),
           {QStringLiteral("sc-%1").arg(t.count(QStringLiteral("销售")) + 1), s(customer), s(date), amount(received)});
}

inline void arrangeCustomers(TestDatabase &t)
{
    customer(t, "张三", "张记商行", "个人", "111");
    customer(t, "李四", "", "个人", "222");
    customer(t, "王五", "", "单位", "333");
    customer(t, "O'Brien", "Bay Ltd", "单位", "444");
    customer(t, "赵六", "", "个人", "555");
    intake(t, "张三", "2024-05-03", "已结束", "100");
    sale(t, "张三", "2024-05-04", "50");
    intake(t, "李四", "2024-05-05", "待收费", "200");
    sale(t, "王五", "2024-05-31", "0.01");
    intake(t, "O'Brien", "2024-05-06", "已结束", "150");
    intake(t, "赵六", "2024-04-30", "已结束", "300");
    sale(t, "路人", "2024-05-07", "500");
    t.exec(QStringLiteral("INSERT INTO 客户排行 (客户名称, 交易额, 排行) VALUES ('上次的客户', 1, 1)"));
}

inline void staff(TestDatabase &t, const char *name)
{
    t.exec(QStringLiteral("INSERT INTO 回访员 (回访员) VALUES (?)"), {s(name)});
}

inline void visit(TestDatabase &t, const char *staffName, const QVariant &day, const char *state)
{
    t.exec(QStringLiteral("INSERT INTO 回访 (回访员, 回访时间, 当前状态) VALUES (?, ?, ?)"), {s(staffName), day, s(state)});
}

inline void arrangeStaff(TestDatabase &t)
{
    for (const char *name : {"小王", "小李", "小张"})
        staff(t, name);
    visit(t, "小李", s("2024-05-01"), "已结束");
    visit(t, "小李", s("2024-05-31"), "已过期");
    visit(t, "小王", s("2024-05-18"), "已结束");
    visit(t, "小王", QVariant(), "计划中");
    visit(t, "小王", s(""), "待回访");
    visit(t, "小张", s("2024-06-01"), "已结束");
}

inline void arrange(TestDatabase &t)
{
    t.ctx.fixedToday = Today;
    arrangeTechnicians(t);
    arrangeParts(t);
    arrangeCustomers(t);
    arrangeStaff(t);
}

} // namespace RankingsFixture
