#pragma once

#include <QDate>
#include <QString>

class Database;

enum class BillKind {
    StockIn,        // "rk-", lines in "入库单"
    StockOut,       // "ck-", lines in "出库单" (and the sale header's stock-out number)
    Sale,           // "sc-", lines in "销售单" (and the sale header)
    ReturnExchange, // "th-", rows of "退换"
};

// Daily bill numbers: prefix + yyMMdd + "-" + the first counter no bill of that kind uses.
class BillNumbers
{
public:
    explicit BillNumbers(Database &db) : m_db(db) {}

    static QString prefix(BillKind kind);
    QString NextBillNumber(BillKind kind, const QDate &today) const;

private:
    Database &m_db;
};
