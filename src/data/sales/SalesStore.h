#pragma once

#include "core/customers/CustomerRecord.h"
#include "core/sales/Sale.h"
#include "core/sales/SaleLine.h"
#include "data/sales/SoldUnit.h"

#include <QList>
#include <optional>

class Database;

// The sales: the sale screen's write and the reads of the sales query, the sales bill and the
// return screen's check of a serial number.
class SalesStore
{
public:
    explicit SalesStore(Database &db) : m_db(db) {}

    // Whether a sale header or sale lines carry this business number.
    bool numberUsed(const QString &number) const;

    // The whole sale in one transaction, so it lands whole or not at all: the new customer (when
    // given), the stock-out bill under a new "ck-" number with the stock decrease
    // (StockLedger::sell), the sale lines, the header with its gross profit ("实收款" minus the
    // purchase cost of the lines) and the follow-up plan its customer class and the scope
    // setting ask for (dated `today`). Returns the header as written. Throws StockShortage, with
    // nothing written, when a line takes more of a part than its stock row holds.
    Sale sell(const Sale &sale, const QList<SaleLine> &lines, const std::optional<CustomerRecord> &newCustomer,
              const QDate &today);

    std::optional<Sale> find(const QString &number) const;
    // The lines of a sale, in the order they were written.
    QList<SaleLine> lines(const QString &number) const;
    // "备注" of the sale with this row key (the sales query's memo).
    void setRemarks(qint64 key, const QString &remarks);

    // The first sale line, in the order written, whose serial numbers contain `serial` (case of
    // Latin letters ignored), with its stock-out line and customer; nullopt when none does or
    // the serial is empty.
    std::optional<SoldUnit> findSold(const QString &serial) const;

private:
    Database &m_db;
};
