#include "data/catalogs/PartsCatalog.h"

#include "data/db/Sql.h"
#include "data/db/TransactionGuard.h"

namespace {
const QString Columns = QStringLiteral(
    "\"流水号\", \"配件编号\", \"配件名称\", \"规格\", \"类别\", \"单位\", \"警戒库存\", \"销售价\", \"维修更换价\"");

PartRecord read(const QSqlQuery &q)
{
    PartRecord p;
    p.key = q.value(0).toLongLong();
    p.partNo = q.value(1).toString();
    p.name = q.value(2).toString();
    p.model = q.value(3).toString();
    p.category = q.value(4).toString();
    p.unit = q.value(5).toString();
    p.warningLevel = q.value(6).toLongLong();
    p.salePrice = Money::fromUnits(q.value(7).toLongLong());
    p.repairPrice = Money::fromUnits(q.value(8).toLongLong());
    return p;
}

QList<PartRecord> readAll(QSqlQuery q)
{
    QList<PartRecord> parts;
    while (q.next())
        parts << read(q);
    return parts;
}
} // namespace

std::optional<PartRecord> PartsCatalog::find(const QString &partNo) const
{
    QSqlQuery q = Sql::exec(m_db,
                            QStringLiteral("SELECT %1 FROM \"配件目录\" WHERE \"配件编号\" = ? ORDER BY \"流水号\" LIMIT 1")
                                .arg(Columns),
                            {partNo});
    if (!q.next())
        return std::nullopt;
    return read(q);
}

QList<PartRecord> PartsCatalog::all() const
{
    return readAll(Sql::exec(m_db, QStringLiteral("SELECT %1 FROM \"配件目录\" ORDER BY \"流水号\"").arg(Columns)));
}

QList<PartRecord> PartsCatalog::byCategory(const QString &category) const
{
    if (category.isEmpty())
        return readAll(
            Sql::exec(m_db, QStringLiteral("SELECT %1 FROM \"配件目录\" ORDER BY \"配件编号\", \"流水号\"").arg(Columns)));
    return readAll(Sql::exec(
        m_db, QStringLiteral("SELECT %1 FROM \"配件目录\" WHERE \"类别\" = ? ORDER BY \"配件编号\", \"流水号\"").arg(Columns),
        {category}));
}

QList<PartRecord> PartsCatalog::search(const QString &text) const
{
    const QString pattern = Sql::likePattern(text);
    return readAll(Sql::exec(m_db,
                             QStringLiteral("SELECT %1 FROM \"配件目录\" WHERE \"配件编号\" LIKE ? ESCAPE '\\' "
                                            "OR \"配件名称\" LIKE ? ESCAPE '\\' ORDER BY \"配件编号\", \"流水号\"")
                                 .arg(Columns),
                             {pattern, pattern}));
}

QStringList PartsCatalog::categories() const
{
    return Sql::column(m_db, QStringLiteral("SELECT \"类别\" FROM \"类别目录\" ORDER BY rowid"));
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
    Sql::exec(m_db,
              QStringLiteral("INSERT INTO \"配件目录\" (\"配件编号\", \"配件名称\", \"规格\", \"类别\", \"单位\") "
                             "VALUES (?, ?, ?, ?, ?)"),
              {part.partNo, part.name, part.model, part.category, part.unit});
}

void PartsCatalog::storePrices(const QList<PartRecord> &parts)
{
    TransactionGuard guard(m_db);
    for (const PartRecord &p : parts)
        Sql::exec(m_db, QStringLiteral("UPDATE \"配件目录\" SET \"销售价\" = ?, \"维修更换价\" = ? WHERE \"流水号\" = ?"),
                  {qlonglong(p.salePrice.units()), qlonglong(p.repairPrice.units()), p.key});
    guard.commit();
}
