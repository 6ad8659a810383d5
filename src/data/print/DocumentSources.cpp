#include "data/print/DocumentSources.h"

#include "data/db/Sql.h"

std::optional<CustomerRecord> DocumentSources::customer(const QString &name) const
{
    QSqlQuery q = Sql::exec(m_db,
                            QStringLiteral("SELECT 客户名称, 类别, 客户单位, 联系人, 物资主管, 联系电话, 传真, 地址, 邮编, "
                                           "电子邮件, 税号, 账号, 乘车路线, 登记时间, 备注 FROM 客户目录 "
                                           "WHERE 客户名称 = ? ORDER BY 流水号 LIMIT 1"),
                            {name});
    if (!q.next())
        return std::nullopt;
    CustomerRecord c;
    c.name = q.value(0).toString();
    c.category = q.value(1).toString();
    c.organisation = q.value(2).toString();
    c.contact = q.value(3).toString();
    c.supplyManager = q.value(4).toString();
    c.phone = q.value(5).toString();
    c.fax = q.value(6).toString();
    c.address = q.value(7).toString();
    c.postCode = q.value(8).toString();
    c.email = q.value(9).toString();
    c.taxNumber = q.value(10).toString();
    c.account = q.value(11).toString();
    c.route = q.value(12).toString();
    c.registered = q.value(13).toString();
    c.remarks = q.value(14).toString();
    return c;
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
