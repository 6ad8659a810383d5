#pragma once

#include <QString>
#include <optional>

// The installation records the maker's programs keep, one per product under the maker's key:
// this program writes its own at every start, an older version left one of its own. Kept in an
// INI file (the user's default location, or the file given).
class InstallationRecord
{
public:
    static inline const QString Maker = QStringLiteral("Orlimo软件");

    // settingsFile: empty for the user's default location.
    explicit InstallationRecord(const QString &settingsFile) : m_file(settingsFile) {}

    // Whether the product has a record.
    bool exists(const QString &product) const;
    // A value of the product's record; nullopt when it has none.
    std::optional<QString> value(const QString &product, const QString &key) const;
    // Writes values of the product's record; false when the store cannot be written.
    bool write(const QString &product, const QList<std::pair<QString, QString>> &values) const;

private:
    QString m_file;
};
