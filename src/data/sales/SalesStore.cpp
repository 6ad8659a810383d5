#include "data/sales/SalesStore.h"

#include "data/customers/CustomerStore.h"
#include "data/db/RowKey.h"
#include "data/db/TableMap.h"
#include "data/db/TextMatch.h"
#include "data/db/TransactionGuard.h"
#include "data/followup/FollowUpPlans.h"
#include "data/sales/SaleLineTable.h"
#include "data/sales/SaleTable.h"
#include "data/stock/BillNumbers.h"
#include "data/stock/StockLedger.h"

bool SalesStore::numberUsed(const QString &number) const
{
    return Sql::scalar(m_db, QStringLiteral("SELECT 1 FROM \"销售\" WHERE \"业务编号\" = ? LIMIT 1"), {number}).isValid()
        || Sql::scalar(m_db, QStringLiteral("SELECT 1 FROM \"销售单\" WHERE \"单据编号\" = ? LIMIT 1"), {number}).isValid();
}

Sale SalesStore::sell(const Sale &sale, const QList<SaleLine> &lines, const std::optional<CustomerRecord> &newCustomer,
                      const QDate &today)
{
    TransactionGuard guard(m_db);
    if (newCustomer)
        CustomerStore(m_db).add(*newCustomer);

    Sale written = sale;
    written.stockOutNumber = BillNumbers(m_db).NextBillNumber(BillKind::StockOut, today);
    const Money cost = StockLedger(m_db).sell(written, lines);
    const auto &lineMap = SaleLineTable::map();
    for (SaleLine l : lines) {
        l.number = written.number;
        lineMap.insert(m_db, l);
    }
    written.profit = written.received - cost;
    SaleTable::map().insert(m_db, written, SaleTable::written());

    FollowUpPlans plans(m_db);
    if (const auto plan = plans.forSale(written.customer, written.customerClass, written.phone, written.number, today))
        plans.add(*plan);
    guard.commit();
    return written;
}

std::optional<Sale> SalesStore::find(const QString &number) const
{
    return SaleTable::map().first(m_db, QStringLiteral("WHERE \"业务编号\" = ? ORDER BY ") + RowKey::column()
                                            + QStringLiteral(" LIMIT 1"),
                                  {number});
}

QList<SaleLine> SalesStore::lines(const QString &number) const
{
    return SaleLineTable::map().all(m_db, QStringLiteral("WHERE \"单据编号\" = ? ORDER BY ") + RowKey::column(), {number});
}

void SalesStore::setRemarks(qint64 key, const QString &remarks)
{
    Sql::exec(m_db, QStringLiteral("UPDATE \"销售\" SET \"备注\" = ? WHERE %1 = ?").arg(RowKey::column()), {remarks, key});
}

std::optional<SoldUnit> SalesStore::findSold(const QString &serial) const
{
    if (serial.isEmpty())
        return std::nullopt;
    // The lowest row key among the matching lines, read from the serial index alone: it holds
    // every key beside its text, so the table is not read, and lines without a serial number
    // (about half) are skipped by the range. "+ 0" keeps the engine from walking the table in
    // key order instead, which reads every row when nothing matches.
    QVariantList binds;
    const QString match = TextMatch::contains(QStringLiteral("\"SN\""), serial, binds);
    const QVariant first = Sql::scalar(
        m_db, QStringLiteral("SELECT min(%1 + 0) FROM \"销售单\" WHERE \"SN\" > '' AND %2").arg(RowKey::column(), match),
        binds);
    if (first.isNull() || !first.isValid())
        return std::nullopt;
    const std::optional<SaleLine> line =
        SaleLineTable::map().first(m_db, QStringLiteral("WHERE %1 = ?").arg(RowKey::column()), {first});
    if (!line)
        return std::nullopt;

    SoldUnit unit;
    unit.saleNumber = line->number;
    unit.price = line->unitPrice;
    const std::optional<Sale> sale = find(line->number);
    if (sale) {
        unit.customer = sale->customer;
        QSqlQuery q = Sql::exec(m_db,
                                QStringLiteral("SELECT \"编号\", \"配件名称\", \"所属类别\", \"规格\", \"保修期\", "
                                               "\"填单时间\" FROM \"出库单\" WHERE \"单据编号\" = ? AND \"编号\" = ? "
                                               "ORDER BY %1 LIMIT 1")
                                    .arg(RowKey::column()),
                                {sale->stockOutNumber, line->partNo});
        if (q.next()) {
            unit.part = PartDetails{q.value(0).toString(), q.value(1).toString(), q.value(2).toString(),
                                    q.value(3).toString(), {}, q.value(4).toString(), {}};
            unit.soldOn = q.value(5).toString();
        }
    } else {
        const QVariant customer = Sql::scalar(
            m_db, QStringLiteral("SELECT \"客户\" FROM \"维修\" WHERE \"出库单据\" = ? ORDER BY %1 LIMIT 1").arg(RowKey::column()),
            {line->number});
        if (customer.isValid())
            unit.customer = customer.toString();
    }
    return unit;
}
