#pragma once

#include "data/maintenance/OlderDataReader.h"

// The older version's own data file: a Jet 4 database (Access 2000/2003 format), read through
// the mdbtools library. A database password does not stop the library: it guards the engine's
// door, not the pages, so a file with or without one reads the same. Read-only.
class JetFileReader : public OlderDataReader
{
public:
    explicit JetFileReader(const QString &path); // throws DbError when it is not a readable Jet file
    ~JetFileReader() override;
    JetFileReader(const JetFileReader &) = delete;
    JetFileReader &operator=(const JetFileReader &) = delete;

    QStringList tableNames() const override;
    QStringList columnNames(const QString &table) const override;
    qint64 rowCount(const QString &table) const override;
    void readRows(const QString &table, const QStringList &columns,
                  const std::function<bool(const QStringList &values)> &visit) const override;

private:
    QString m_path;
    void *m_mdb = nullptr; // the library's handle of the open file (MdbHandle)
};
