#pragma once

#include "data/catalogs/PartRecord.h"

#include <QList>
#include <QStringList>
#include <optional>

class Database;

// Reads and writes of the parts catalog "配件目录" that the pickers, the price list and the
// stock screens share.
class PartsCatalog
{
public:
    explicit PartsCatalog(Database &db) : m_db(db) {}

    std::optional<PartRecord> find(const QString &partNo) const;
    // The part with this row key ("流水号"), as the lists name their rows.
    std::optional<PartRecord> at(qint64 key) const;
    // Every part in list order ("流水号").
    QList<PartRecord> all() const;
    // The purchase price of the part's stock row, nullopt when it has never been stocked.
    std::optional<Money> latestPurchasePrice(const QString &partNo) const;

    // Appends a part with number, name, model, class and unit (the stock-in's addition).
    void add(const PartRecord &part);
    // Stores the selling and repair prices of the given parts (by key) in one transaction.
    void storePrices(const QList<PartRecord> &parts);

private:
    Database &m_db;
};
