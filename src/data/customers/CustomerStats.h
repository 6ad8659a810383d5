#pragma once

#include "core/customers/CustomerCounts.h"

#include <QDate>
#include <QList>
#include <QString>

class Database;

// The customer directory counted by registration date "登记时间" and by class, by the engine
// through the indexes of those columns: nothing is fetched to be counted.
class CustomerStats
{
public:
    explicit CustomerStats(Database &db) : m_db(db) {}

    // Registered on the day, in the month that holds it, and all, in one statement.
    CustomerCounts counts(const QDate &day) const;
    // New customers of every month of the year, January first, in one grouped statement.
    QList<int> byMonth(int year) const;

    struct ClassCount
    {
        QString name;
        int count = 0;
    };
    // Every class of "客户分类" in table order with its customers (0 for none), in one grouped
    // statement; customers whose class is none of them are counted in no class.
    QList<ClassCount> byClass() const;

private:
    Database &m_db;
};
