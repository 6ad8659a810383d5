#pragma once

#include "core/sales/ReturnExchange.h"
#include "data/sales/ReturnMovement.h"

#include <QDate>

class Database;

// Returns and exchanges ("退换") and what they move: the return screen's checks and its write.
class ReturnStore
{
public:
    explicit ReturnStore(Database &db) : m_db(db) {}

    // Whether a return or exchange carries this "th-" number.
    bool numberUsed(const QString &number) const;
    // Whether a part line of a repair ("配件") carries exactly this SN; false for an empty one,
    // which would otherwise stand for every line without a serial number.
    bool partLineHasSerial(const QString &serial) const;
    // Whether the name is in the personal customer list ("个人客户目录") or the customer directory.
    bool customerKnown(const QString &name) const;

    // One return or exchange in one transaction: the "退换" row; the part lines carrying the
    // returned SN removed (none for an empty SN); with "退货入库", the catalog entry agreed to,
    // the returned unit back into stock under a new "rk-" bill and, for an exchange, the
    // replacement out of stock under a new "ck-" bill with a part line for its SN (when it has
    // one). Bill numbers are those of `today`.
    void record(const ReturnExchange &row, const ReturnMovement &movement, const QDate &today);

    // "备注" of the record with this row key (the query's memo).
    void setRemarks(qint64 key, const QString &remarks);

private:
    Database &m_db;
};
