#include "data/customers/CustomerStore.h"

#include "data/customers/CustomerTable.h"
#include "data/db/RowKey.h"
#include "data/db/TableMap.h"

std::optional<CustomerRecord> CustomerStore::find(const QString &name) const
{
    return CustomerTable::map().first(m_db, QStringLiteral("WHERE 客户名称 = ? ORDER BY 流水号 LIMIT 1"), {name});
}

std::optional<CustomerRecord> CustomerStore::at(qint64 key) const
{
    return CustomerTable::map().first(m_db, QStringLiteral("WHERE 流水号 = ?"), {key});
}

bool CustomerStore::exists(const QString &name) const
{
    return Sql::scalar(m_db, QStringLiteral("SELECT 1 FROM 客户目录 WHERE 客户名称 = ? LIMIT 1"), {name}).isValid();
}

std::optional<qint64> CustomerStore::keyOf(const QString &name) const
{
    const QVariant v = Sql::scalar(m_db, QStringLiteral("SELECT 流水号 FROM 客户目录 WHERE 客户名称 = ? ORDER BY 流水号 LIMIT 1"), {name});
    if (!v.isValid())
        return std::nullopt;
    return v.toLongLong();
}

void CustomerStore::add(const CustomerRecord &record)
{
    CustomerTable::map().insert(m_db, record);
}

void CustomerStore::update(const QString &name, const CustomerRecord &record, const QList<ColumnRef> &columns)
{
    const auto &map = CustomerTable::map();
    QList<ColumnRef> known;
    for (const ColumnRef &c : columns)
        if (map.indexOf(c) >= 0)
            known << c;
    if (known.isEmpty())
        return;
    map.update(m_db, record, known, QStringLiteral("客户名称 = ?"), {name});
}

bool CustomerStore::replace(qint64 key, const CustomerRecord &record)
{
    const auto &map = CustomerTable::map();
    return map.update(m_db, record, map.writable(), QStringLiteral("流水号 = ?"), {key}) > 0;
}

QStringList CustomerStore::classes() const
{
    return Sql::column(m_db, QStringLiteral("SELECT 客户类别 FROM 客户分类 ORDER BY ") + RowKey::column());
}

std::optional<bool> CustomerStore::followsUp(const QString &customerClass) const
{
    const QVariant v =
        Sql::scalar(m_db, QStringLiteral("SELECT 是否回访 FROM 客户分类 WHERE 客户类别 = ? LIMIT 1"), {customerClass});
    if (!v.isValid())
        return std::nullopt;
    return v.toLongLong() != 0;
}
