#include "data/customers/CustomerDealingsStore.h"

#include "core/repair/RepairState.h"
#include "data/db/Sql.h"

CustomerDealings CustomerDealingsStore::summary(const QString &customer) const
{
    namespace S = RepairState;
    const QVariantList inHand{S::AwaitingCheck, S::AwaitingRepair, S::AwaitingSettlement, S::AwaitingCharge};
    // One statement: the repairs in one pass over the customer's jobs, the sales and the returns
    // by their own indexes.
    QSqlQuery q = Sql::exec(m_db, QStringLiteral(
        "SELECT r.jobs, r.open, r.charged, r.due, s.sales, s.received,"
        " (SELECT count(*) FROM 退换 WHERE 客户 = ?)"
        " FROM (SELECT count(*) AS jobs,"
        "   coalesce(sum(CASE WHEN 当前状态 IN (?, ?, ?, ?) THEN 1 ELSE 0 END), 0) AS open,"
        "   coalesce(sum(实际收费), 0) AS charged,"
        "   coalesce(sum(CASE WHEN 当前状态 IN (?, ?, ?, ?) THEN 费用合计 ELSE 0 END), 0) AS due"
        "   FROM 维修 WHERE 客户 = ?) r,"
        " (SELECT count(*) AS sales, coalesce(sum(实收款), 0) AS received FROM 销售 WHERE 客户名称 = ?) s"),
        QVariantList{customer} + inHand + inHand + QVariantList{customer, customer});
    CustomerDealings d;
    if (q.next()) {
        d.repairs = q.value(0).toInt();
        d.repairsOpen = q.value(1).toInt();
        d.repairMoney = Money::fromUnits(q.value(2).toLongLong());
        d.due = Money::fromUnits(q.value(3).toLongLong());
        d.sales = q.value(4).toInt();
        d.saleMoney = Money::fromUnits(q.value(5).toLongLong());
        d.returns = q.value(6).toInt();
    }
    return d;
}
