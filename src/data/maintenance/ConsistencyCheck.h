#pragma once

#include <QMap>
#include <QString>
#include <QStringList>

class Database;

// Reads that show whether a file's rows agree with each other, for support and for the crash
// test of bench/stress: a save that landed half would show here.
class ConsistencyCheck
{
public:
    explicit ConsistencyCheck(Database &db) : m_db(db) {}

    // Parts whose quantity in "库存" differs from their stock-in lines less their stock-out lines,
    // as "编号: 库存 n, 单据 m". A stock correction writes no bill line, so on a shop's file a
    // corrected part shows here too; on a file whose stock moved by bills only, nothing may.
    QStringList stockAgainstBills() const;
    // The number of lines of every stock-in bill, by bill number.
    QMap<QString, int> stockInLineCounts() const;
    // Repair jobs whose customer is not in the directory, and directory customers no job names.
    // Registration writes both in one transaction: on a file where nobody deleted a customer or
    // added one by hand, both lists are empty.
    QStringList jobsWithoutCustomer() const;
    QStringList customersWithoutJob() const;

private:
    Database &m_db;
};
