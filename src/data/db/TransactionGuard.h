#pragma once

class Database;

// Runs a business operation in one transaction: rolls back on destruction unless commit()
// was called, so an operation lands whole or not at all.
class TransactionGuard
{
public:
    explicit TransactionGuard(Database &db); // throws DbError
    ~TransactionGuard();
    TransactionGuard(const TransactionGuard &) = delete;
    TransactionGuard &operator=(const TransactionGuard &) = delete;

    void commit(); // throws DbError

private:
    Database &m_db;
    bool m_done = false;
};
