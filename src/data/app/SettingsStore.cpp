#include "data/app/SettingsStore.h"

#include "data/db/Sql.h"

std::optional<QString> SettingsStore::value(const QString &key) const
{
    QSqlQuery q = Sql::exec(m_db, QStringLiteral("SELECT 值 FROM 基本信息 WHERE 标识 = ? ORDER BY rowid"), {key});
    if (!q.next())
        return std::nullopt;
    return q.value(0).toString();
}

bool SettingsStore::setValue(const QString &key, const QString &value)
{
    QSqlQuery q = Sql::exec(m_db, QStringLiteral("UPDATE 基本信息 SET 值 = ? WHERE 标识 = ?"), {value, key});
    return q.numRowsAffected() > 0;
}

bool SettingsStore::createIfMissing(const QString &key, const QString &value)
{
    if (exists(key))
        return false;
    Sql::exec(m_db, QStringLiteral("INSERT INTO 基本信息 (标识, 值) VALUES (?, ?)"), {key, value});
    return true;
}
