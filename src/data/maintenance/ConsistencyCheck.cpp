#include "data/maintenance/ConsistencyCheck.h"

#include "data/db/Sql.h"

QStringList ConsistencyCheck::stockAgainstBills() const
{
    // Every part that has a stock row or a bill line, with both totals.
    QSqlQuery q = Sql::exec(m_db, QStringLiteral(
        "SELECT p.编号, "
        "  (SELECT COALESCE(SUM(s.库存), 0) FROM 库存 s WHERE s.编号 = p.编号), "
        "  (SELECT COALESCE(SUM(i.数量), 0) FROM 入库单 i WHERE i.编号 = p.编号) - "
        "  (SELECT COALESCE(SUM(o.数量), 0) FROM 出库单 o WHERE o.编号 = p.编号) "
        "FROM (SELECT 编号 FROM 库存 UNION SELECT 编号 FROM 入库单 UNION SELECT 编号 FROM 出库单) p "
        "ORDER BY p.编号"));
    QStringList out;
    while (q.next()) {
        if (q.value(1).toLongLong() != q.value(2).toLongLong())
            out << QStringLiteral("%1: 库存 %2, 单据 %3").arg(q.value(0).toString()).arg(q.value(1).toLongLong()).arg(q.value(2).toLongLong());
    }
    return out;
}

QMap<QString, int> ConsistencyCheck::stockInLineCounts() const
{
    QSqlQuery q = Sql::exec(m_db, QStringLiteral("SELECT 单据编号, COUNT(*) FROM 入库单 GROUP BY 单据编号"));
    QMap<QString, int> out;
    while (q.next())
        out.insert(q.value(0).toString(), q.value(1).toInt());
    return out;
}

QStringList ConsistencyCheck::jobsWithoutCustomer() const
{
    return Sql::column(m_db, QStringLiteral("SELECT 业务编号 FROM 维修 w WHERE NOT EXISTS "
                                            "(SELECT 1 FROM 客户目录 c WHERE c.客户名称 = w.客户) ORDER BY 业务编号"));
}

QStringList ConsistencyCheck::customersWithoutJob() const
{
    return Sql::column(m_db, QStringLiteral("SELECT 客户名称 FROM 客户目录 c WHERE NOT EXISTS "
                                            "(SELECT 1 FROM 维修 w WHERE w.客户 = c.客户名称) ORDER BY 客户名称"));
}
