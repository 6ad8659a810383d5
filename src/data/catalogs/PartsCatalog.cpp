#include "data/catalogs/PartsCatalog.h"

#include "data/catalogs/PartsCatalogTable.h"
#include "data/db/TableMap.h"
#include "data/db/TransactionGuard.h"

namespace {
const TableMap<PartRecord> &map()
{
    return PartsCatalogTable::map();
}
} // namespace

std::optional<PartRecord> PartsCatalog::find(const QString &partNo) const
{
    return map().first(m_db, QStringLiteral("WHERE \"配件编号\" = ? ORDER BY \"流水号\" LIMIT 1"), {partNo});
}

std::optional<PartRecord> PartsCatalog::at(qint64 key) const
{
    return map().first(m_db, QStringLiteral("WHERE \"流水号\" = ?"), {key});
}

QList<PartRecord> PartsCatalog::all() const
{
    return map().all(m_db, QStringLiteral("ORDER BY \"流水号\""));
}

std::optional<Money> PartsCatalog::latestPurchasePrice(const QString &partNo) const
{
    const QVariant v =
        Sql::scalar(m_db, QStringLiteral("SELECT \"进货单价\" FROM \"库存\" WHERE \"编号\" = ? ORDER BY rowid LIMIT 1"),
                    {partNo});
    if (!v.isValid())
        return std::nullopt;
    return Money::fromUnits(v.toLongLong());
}

void PartsCatalog::add(const PartRecord &part)
{
    namespace P = PartsCatalogTable;
    map().insert(m_db, part, {P::PartNo, P::Name, P::Model, P::Category, P::Unit});
}

void PartsCatalog::storePrices(const QList<PartRecord> &parts)
{
    namespace P = PartsCatalogTable;
    TransactionGuard guard(m_db);
    for (const PartRecord &p : parts)
        map().update(m_db, p, {P::SalePrice, P::RepairPrice}, P::Key);
    guard.commit();
}
