#pragma once

#include "data/maintenance/OlderDataReader.h"

// The older tables kept in an SQLite file (what an older installation's data becomes once moved
// off its own engine, and what the tests and benchmarks make). Opened read-only: the file is
// never changed.
class SqliteFileReader : public OlderDataReader
{
public:
    explicit SqliteFileReader(const QString &path); // throws DbError
    ~SqliteFileReader() override;

    QStringList tableNames() const override;
    QStringList columnNames(const QString &table) const override;
    qint64 rowCount(const QString &table) const override;
    void readRows(const QString &table, const QStringList &columns,
                  const std::function<bool(const QStringList &values)> &visit) const override;

private:
    void requireTable(const QString &table) const;

    QString m_connection;
};
