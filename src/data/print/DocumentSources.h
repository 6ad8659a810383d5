#pragma once

#include "core/customers/CustomerRecord.h"
#include "core/repair/RepairJob.h"

#include <QList>
#include <optional>

class Database;

// The rows printed documents read besides the job itself: a customer's directory entry and a
// job's part lines.
class DocumentSources
{
public:
    explicit DocumentSources(Database &db) : m_db(db) {}

    // The directory entry named exactly so; nullopt when there is none.
    std::optional<CustomerRecord> customer(const QString &name) const;
    // The part lines whose "单据编号" is the business number, in the order they were written.
    // An empty number has no lines (stray rows without a number belong to no job).
    QList<RepairPartLine> partLines(const QString &businessNumber) const;

private:
    Database &m_db;
};
