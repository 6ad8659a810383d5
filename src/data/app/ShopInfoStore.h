#pragma once

#include "core/app/ShopInfo.h"

class Database;

// Reads the shop's details and terms for printed documents. Missing rows read as empty.
class ShopInfoStore
{
public:
    explicit ShopInfoStore(Database &db) : m_db(db) {}
    ShopInfo load() const;

private:
    Database &m_db;
};
