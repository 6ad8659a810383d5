#include "data/print/DocumentSources.h"

#include "data/customers/CustomerStore.h"
#include "data/db/Sql.h"

std::optional<CustomerRecord> DocumentSources::customer(const QString &name) const
{
    return CustomerStore(m_db).find(name);
}

QList<RepairPartLine> DocumentSources::partLines(const QString &businessNumber) const
{
    QList<RepairPartLine> lines;
    if (businessNumber.isEmpty())
        return lines;
    QSqlQuery q = Sql::exec(m_db,
                            QStringLiteral("SELECT 单据编号, 配件编号, 配件, 数目, 单价, 合计, SN FROM 配件 "
                                           "WHERE 单据编号 = ? ORDER BY rowid"),
                            {businessNumber});
    while (q.next()) {
        RepairPartLine line;
        line.number = q.value(0).toString();
        line.partCode = q.value(1).toString();
        line.partName = q.value(2).toString();
        line.quantity = q.value(3).toInt();
        line.unitPrice = Money::fromUnits(q.value(4).toLongLong());
        line.total = Money::fromUnits(q.value(5).toLongLong());
        line.serial = q.value(6).toString();
        lines << line;
    }
    return lines;
}
