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
    // Every part in list order ("流水号").
    QList<PartRecord> all() const;
    // Parts of one class ordered by part number; an empty class means every part.
    QList<PartRecord> byCategory(const QString &category) const;
    // Parts whose number or name contains the text, ordered by part number.
    QList<PartRecord> search(const QString &text) const;
    // The classes of "类别目录" in table order.
    QStringList categories() const;
    // The purchase price of the part's stock row, nullopt when it has never been stocked.
    std::optional<Money> latestPurchasePrice(const QString &partNo) const;

    // Appends a part with number, name, model, class and unit (the stock-in's addition).
    void add(const PartRecord &part);
    // Stores the selling and repair prices of the given parts (by key) in one transaction.
    void storePrices(const QList<PartRecord> &parts);

private:
    Database &m_db;
};
