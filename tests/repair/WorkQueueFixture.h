#pragma once

#include "RepairFixture.h"

// Jobs in the work queues, with fees and prepayment in whole yuan (stored as ten-thousandths).
namespace WorkQueueFixture {
inline qlonglong yuan(double y)
{
    return qlonglong(y * 10000 + (y < 0 ? -0.5 : 0.5));
}

struct Fees
{
    double parts = 0, labour = 0, extra = 0, prepayment = 0, refund = 0, partsCost = 0;
};

inline void job(TestDatabase &t, const QString &number, const QString &state, const QString &technician = QStringLiteral("老王"),
                const QString &intake = QStringLiteral("2024-06-01"))
{
    RepairFixture::job(t, {number, state, intake, QString(), technician});
}

inline void fees(TestDatabase &t, const QString &number, const Fees &f)
{
    t.exec("UPDATE 维修 SET 配件费用 = ?, 维修费用 = ?, 附加费用 = ?, 费用合计 = ?, 预付款 = ?, 退款 = ?, 配件成本 = ? "
           "WHERE 业务编号 = ?",
           {yuan(f.parts), yuan(f.labour), yuan(f.extra), yuan(f.parts + f.labour + f.extra), yuan(f.prepayment),
            yuan(f.refund), yuan(f.partsCost), number});
}

inline void stock(TestDatabase &t, const QString &partNo, qlonglong quantity, double price = 10, qlonglong requested = 0)
{
    t.exec("INSERT INTO 库存 (编号, 名称, 类别, 规格, 单位, 库存, 进货单价, 保修期, 配件申请) VALUES (?, ?, '配件', '标准', '个', ?, ?, '一年', ?)",
           {partNo, QStringLiteral("件") + partNo, quantity, yuan(price), requested});
}

inline void line(TestDatabase &t, const QString &number, const QString &partNo, int quantity, double price = 20)
{
    t.exec("INSERT INTO 配件 (单据编号, 配件编号, 配件, 数目, 单价, 合计) VALUES (?, ?, ?, ?, ?, ?)",
           {number, partNo, QStringLiteral("件") + partNo, quantity, yuan(price), yuan(price * quantity)});
}

inline QString text(TestDatabase &t, const QString &column, const QString &number)
{
    return t.scalar(QStringLiteral("SELECT \"%1\" FROM 维修 WHERE 业务编号 = ?").arg(column), {number}).toString();
}

inline qlonglong money(TestDatabase &t, const QString &column, const QString &number)
{
    return t.scalar(QStringLiteral("SELECT \"%1\" FROM 维修 WHERE 业务编号 = ?").arg(column), {number}).toLongLong();
}

inline qlonglong stockOf(TestDatabase &t, const QString &partNo)
{
    return t.scalar("SELECT 库存 FROM 库存 WHERE 编号 = ?", {partNo}).toLongLong();
}
}
