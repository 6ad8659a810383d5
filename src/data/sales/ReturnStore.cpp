#include "data/sales/ReturnStore.h"

#include "core/repair/RepairJob.h"
#include "data/catalogs/PartsCatalog.h"
#include "data/customers/CustomerStore.h"
#include "data/db/RowKey.h"
#include "data/db/TableMap.h"
#include "data/db/TransactionGuard.h"
#include "data/repair/RepairPartTable.h"
#include "data/sales/ReturnExchangeTable.h"
#include "data/stock/BillNumbers.h"
#include "data/stock/StockLedger.h"

bool ReturnStore::numberUsed(const QString &number) const
{
    return Sql::scalar(m_db, QStringLiteral("SELECT 1 FROM \"退换\" WHERE \"单据编号\" = ? LIMIT 1"), {number}).isValid();
}

bool ReturnStore::partLineHasSerial(const QString &serial) const
{
    if (serial.isEmpty())
        return false;
    return Sql::scalar(m_db, QStringLiteral("SELECT 1 FROM \"配件\" WHERE \"SN\" = ? LIMIT 1"), {serial}).isValid();
}

bool ReturnStore::customerKnown(const QString &name) const
{
    return Sql::scalar(m_db, QStringLiteral("SELECT 1 FROM \"个人客户目录\" WHERE \"客户名称\" = ? LIMIT 1"), {name}).isValid()
        || CustomerStore(m_db).exists(name);
}

void ReturnStore::setRemarks(qint64 key, const QString &remarks)
{
    Sql::exec(m_db, QStringLiteral("UPDATE \"退换\" SET \"备注\" = ? WHERE %1 = ?").arg(RowKey::column()), {remarks, key});
}

void ReturnStore::record(const ReturnExchange &row, const ReturnMovement &movement, const QDate &today)
{
    TransactionGuard guard(m_db);
    ReturnExchangeTable::map().insert(m_db, row, ReturnExchangeTable::written(row.isExchange()));
    if (!row.returnedSerial.isEmpty())
        Sql::exec(m_db, QStringLiteral("DELETE FROM \"配件\" WHERE \"SN\" = ?"), {row.returnedSerial});

    if (movement.intoStock) {
        if (movement.newCatalogPart)
            PartsCatalog(m_db).add(*movement.newCatalogPart);
        BillNumbers numbers(m_db);
        StockLedger ledger(m_db);
        ledger.returnIntoStock(movement.returned, numbers.NextBillNumber(BillKind::StockIn, today), row.handledBy,
                               row.date);
        if (const auto &r = movement.replacement) {
            const QString stockOut = numbers.NextBillNumber(BillKind::StockOut, today);
            ledger.exchangeOut(*r, stockOut, row.handledBy, row.date);
            if (!r->serial.isEmpty()) {
                RepairPartLine line;
                line.number = stockOut;
                line.partCode = r->partNo;
                line.partName = r->name;
                line.quantity = 1;
                line.serial = r->serial;
                using namespace RepairPartTable;
                RepairPartTable::map().insert(m_db, line, {Number, PartCode, PartName, Quantity, Serial});
            }
        }
    }
    guard.commit();
}
