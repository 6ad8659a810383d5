#include "data/repair/RepairStore.h"

#include "core/repair/RepairState.h"
#include "data/customers/CustomerStore.h"
#include "data/db/Sql.h"
#include "data/db/TransactionGuard.h"
#include "data/repair/RepairRow.h"

namespace {
const QStringList &newJobColumns()
{
    static const QStringList cols = {"业务编号", "接修日期", "接修时间", "物件名称", "物件编号", "随机附件",
                                     "故障描述", "经办人",   "技术员",   "客户",     "送修类别", "维修物类别",
                                     "维修物品牌", "预约时间", "服务方式", "保内",   "预付款",   "退款",
                                     "是否返修", "备注",     "当前状态"};
    return cols;
}

QString placeholders(int n)
{
    QStringList p;
    for (int i = 0; i < n; ++i)
        p << QStringLiteral("?");
    return p.join(QStringLiteral(", "));
}

QString quoted(const QStringList &cols)
{
    QStringList q;
    for (const QString &c : cols)
        q << u'"' + c + u'"';
    return q.join(QStringLiteral(", "));
}
} // namespace

void RepairStore::registerJob(const RepairJob &job, const CustomerRecord &customer, CustomerWrite write)
{
    if (job.number.trimmed().isEmpty())
        throw DbError(EmptyNumberMessage);
    TransactionGuard tx(m_db);
    if (Sql::scalar(m_db, QStringLiteral("SELECT 1 FROM 维修 WHERE 业务编号 = ? LIMIT 1"), {job.number}).isValid())
        throw DbError(NumberTakenMessage);

    CustomerStore customers(m_db);
    if (write == CustomerWrite::Add)
        customers.add(customer);
    else if (write == CustomerWrite::UpdateContact)
        customers.update(customer.name, customer,
                         {QStringLiteral("客户名称"), QStringLiteral("联系电话"), QStringLiteral("联系人"),
                          QStringLiteral("类别"), QStringLiteral("地址"), QStringLiteral("乘车路线")});

    const QStringList &all = RepairRow::columns();
    const QVariantList every = RepairRow::values(job);
    QVariantList values;
    for (const QString &c : newJobColumns()) {
        if (c == QStringLiteral("退款") && job.rework.isEmpty())
            values << QVariant(); // only a rework job carries a refund
        else if (c == QStringLiteral("保内") && !job.rework.isEmpty())
            values << QVariant(); // the rework screen has no warranty box
        else
            values << every.at(all.indexOf(c));
    }
    Sql::exec(m_db,
              QStringLiteral("INSERT INTO 维修 (%1) VALUES (%2)")
                  .arg(quoted(newJobColumns()), placeholders(int(newJobColumns().size()))),
              values);
    tx.commit();
}

std::optional<RepairJob> RepairStore::find(const QString &number) const
{
    QSqlQuery q = Sql::exec(m_db, QStringLiteral("SELECT %1 FROM 维修 WHERE 业务编号 = ? ORDER BY rowid LIMIT 1")
                                      .arg(RepairRow::selectList()),
                            {number});
    if (!q.next())
        return std::nullopt;
    return RepairRow::read(q);
}

std::optional<RepairJob> RepairStore::firstWith(const QString &column, const QString &value) const
{
    if (column != QStringLiteral("物件编号") && column != QStringLiteral("物件名称"))
        return std::nullopt;
    QSqlQuery q = Sql::exec(m_db, QStringLiteral("SELECT %1 FROM 维修 WHERE \"%2\" = ? ORDER BY rowid LIMIT 1")
                                      .arg(RepairRow::selectList(), column),
                            {value});
    if (!q.next())
        return std::nullopt;
    return RepairRow::read(q);
}

QList<RepairPartLine> RepairStore::parts(const QString &number) const
{
    QSqlQuery q = Sql::exec(m_db,
                            QStringLiteral("SELECT 单据编号, 配件编号, 配件, 数目, 单价, 合计, SN FROM 配件 "
                                           "WHERE 单据编号 = ? ORDER BY rowid"),
                            {number});
    QList<RepairPartLine> lines;
    while (q.next()) {
        RepairPartLine l;
        l.number = q.value(0).toString();
        l.partCode = q.value(1).toString();
        l.partName = q.value(2).toString();
        l.quantity = q.value(3).toInt();
        l.unitPrice = Money::fromUnits(q.value(4).toLongLong());
        l.total = Money::fromUnits(q.value(5).toLongLong());
        l.serial = q.value(6).toString();
        lines << l;
    }
    return lines;
}

void RepairStore::update(const RepairJob &job, const std::optional<CustomerRecord> &customer,
                         const QList<RepairPartLine> &parts)
{
    TransactionGuard tx(m_db);
    QStringList sets;
    for (const QString &c : RepairRow::columns())
        sets << u'"' + c + QStringLiteral("\" = ?");
    QVariantList values = RepairRow::values(job);
    values << job.number;
    Sql::exec(m_db, QStringLiteral("UPDATE 维修 SET %1 WHERE 业务编号 = ?").arg(sets.join(QStringLiteral(", "))),
              values);
    if (customer)
        CustomerStore(m_db).update(customer->name, *customer, CustomerRecord::columns());
    Sql::exec(m_db, QStringLiteral("DELETE FROM 配件 WHERE 单据编号 = ?"), {job.number});
    for (const RepairPartLine &l : parts)
        Sql::exec(m_db,
                  QStringLiteral("INSERT INTO 配件 (单据编号, 配件编号, 配件, 数目, 单价, 合计, SN) "
                                 "VALUES (?, ?, ?, ?, ?, ?, ?)"),
                  {job.number, RepairRow::text(l.partCode), RepairRow::text(l.partName), l.quantity,
                   RepairRow::money(l.unitPrice), RepairRow::money(l.total), RepairRow::text(l.serial)});
    tx.commit();
}

void RepairStore::setRemarks(const QString &number, const QString &remarks)
{
    Sql::exec(m_db, QStringLiteral("UPDATE 维修 SET 备注 = ? WHERE 业务编号 = ?"), {RepairRow::text(remarks), number});
}

bool RepairStore::cancel(const QString &number, const QString &reason, const QDate &endDate)
{
    if (reason.isEmpty())
        return false;
    TransactionGuard tx(m_db);
    const QVariant state = Sql::scalar(m_db, QStringLiteral("SELECT 当前状态 FROM 维修 WHERE 业务编号 = ?"), {number});
    if (!state.isValid()
        || !RepairState::judge(RepairState::Action::CancelRepair, state.toString()).allowed())
        return false;
    Sql::exec(m_db, QStringLiteral("UPDATE 维修 SET 当前状态 = ?, 取消维修原因 = ?, 返回日期 = ? WHERE 业务编号 = ?"),
              {RepairState::Cancelled, reason, RepairRow::date(endDate), number});
    tx.commit();
    return true;
}

QStringList RepairStore::pickList(const QString &table, const QString &column) const
{
    static const QList<QPair<QString, QString>> allowed = {
        {"客户分类", "客户类别"}, {"品牌目录", "品牌"},   {"维修物类别目录", "类别"},
        {"故障描述", "故障描述"}, {"技术员目录", "技术员"}, {"维修情况", "维修情况"}};
    if (!allowed.contains({table, column}))
        return {};
    return Sql::column(m_db, QStringLiteral("SELECT \"%1\" FROM \"%2\" ORDER BY rowid").arg(column, table));
}
