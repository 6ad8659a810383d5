#pragma once

#include "core/customers/CustomerRecord.h"
#include "data/db/ColumnRef.h"

#include <QStringList>
#include <optional>

class Database;

// The customer directory "客户目录" and its classes "客户分类" for the screens that look a
// customer up by name or add one they do not find. Names are compared exactly, as given.
class CustomerStore
{
public:
    explicit CustomerStore(Database &db) : m_db(db) {}

    std::optional<CustomerRecord> find(const QString &name) const;
    // The row with this row key ("流水号"), as the directory's lists name their rows.
    std::optional<CustomerRecord> at(qint64 key) const;
    bool exists(const QString &name) const;
    // The row key of the first row named so, in running-number order; nullopt when there is none.
    std::optional<qint64> keyOf(const QString &name) const;
    // Appends a row with every field of the record ("登记时间" from record.registered, none when
    // it is empty; an empty text field is stored as empty text).
    void add(const CustomerRecord &record);
    // Writes the given columns (handles of CustomerTable) of the row named `name`; columns the
    // record does not hold are left alone.
    void update(const QString &name, const CustomerRecord &record, const QList<ColumnRef> &columns);
    // Writes every field of the record into the row with this key (the card edits one row, even
    // where an old file holds two of the same name); false when the row is gone.
    bool replace(qint64 key, const CustomerRecord &record);

    // The class names in table order.
    QStringList classes() const;
    // "是否回访" of a class; nullopt when the class does not exist.
    std::optional<bool> followsUp(const QString &customerClass) const;

private:
    Database &m_db;
};
