#pragma once

#include <QStringList>

class Database;

// The supplier directory ("供应商目录") as the stock-in reads it.
class Suppliers
{
public:
    explicit Suppliers(Database &db) : m_db(db) {}

    // Every supplier name in directory order.
    QStringList names() const;

private:
    Database &m_db;
};
