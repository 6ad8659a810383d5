#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

// Reads the tables of an older version's data file, one row at a time, every value as text:
// numbers in decimal, money in its shortest decimal text, dates as yyyy-MM-dd (with the time of
// day when there is one), yes/no as True/False, a missing value as an empty text.
class OlderDataReader
{
public:
    virtual ~OlderDataReader() = default;

    virtual QStringList tableNames() const = 0;
    virtual QStringList columnNames(const QString &table) const = 0; // throws DbError for an unknown table
    virtual qint64 rowCount(const QString &table) const = 0;        // throws DbError for an unknown table
    // Every row of the table with the named columns, in order, until visit returns false.
    // Throws DbError when the table or a column is missing, or the file cannot be read.
    virtual void readRows(const QString &table, const QStringList &columns,
                          const std::function<bool(const QStringList &values)> &visit) const = 0;

    // The reader for the file: an SQLite file holding the older tables, or a Jet 4 file (the
    // older version's own). Throws DbError when it is neither or cannot be opened.
    static std::unique_ptr<OlderDataReader> open(const QString &path);
};
