#pragma once

#include "core/customers/CustomerDealings.h"

#include <QString>

class Database;

// The figures of one customer's dealings, counted and summed by the engine (the name matched
// exactly against "维修"."客户", "销售"."客户名称" and "退换"."客户"); nothing is fetched to be
// counted.
class CustomerDealingsStore
{
public:
    explicit CustomerDealingsStore(Database &db) : m_db(db) {}

    // Throws DbError.
    CustomerDealings summary(const QString &customer) const;

private:
    Database &m_db;
};
