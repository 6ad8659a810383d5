#pragma once

#include <QString>
#include <optional>

class Database;

// Rows of "基本信息": one value text per key. A missing row is reported, not invented;
// each caller decides what a missing row means.
class SettingsStore
{
public:
    explicit SettingsStore(Database &db) : m_db(db) {}

    std::optional<QString> value(const QString &key) const;
    bool exists(const QString &key) const { return value(key).has_value(); }
    // Changes an existing row; false (and nothing written) when the row is missing.
    bool setValue(const QString &key, const QString &value);
    // Appends the row with the given value when it is missing; true when it was created.
    bool createIfMissing(const QString &key, const QString &value = QString());

private:
    Database &m_db;
};
