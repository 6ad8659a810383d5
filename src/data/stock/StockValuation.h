#pragma once

#include "core/app/Money.h"

class Database;

// The purchase value of the stock: "进货单价" × "库存" summed over the rows with stock (rows with
// negative stock are left out; a row without a price adds nothing).
class StockValuation
{
public:
    explicit StockValuation(Database &db) : m_db(db) {}

    Money total() const;

private:
    Database &m_db;
};
