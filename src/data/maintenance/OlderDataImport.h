#pragma once

#include <QString>
#include <functional>

class Database;
class OlderDataReader;

// Copies an older version's data into the open database, table by table, appending to the rows
// already there (the settings are replaced). Every table is written through one prepared
// statement, and the whole copy runs in one transaction: it lands whole or, when a value does not
// convert or the engine fails, not at all.
class OlderDataImport
{
public:
    // Called when a table starts (done 0) and as its rows go in; total is its row count.
    using Progress = std::function<void(const QString &text, qint64 done, qint64 total)>;

    OlderDataImport(Database &db, const OlderDataReader &older);

    // Throws DbError, naming the older table, row and column of a value that does not convert;
    // the database is then as it was.
    void run(const Progress &progress);

    // The settings row added after the older settings.
    static inline const QString PickupKey = QStringLiteral("取物有效期");
    static inline const QString PickupValue = QStringLiteral("登记之日起一个月有效");

private:
    Database &m_db;
    const OlderDataReader &m_older;
};
