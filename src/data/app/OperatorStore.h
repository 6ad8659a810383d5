#pragma once

#include "data/app/Operator.h"

#include <QList>
#include <optional>

class Database;

// The operators of "用户管理": login lookup, the user screen's rows and the rights screen's batch.
class OperatorStore
{
public:
    explicit OperatorStore(Database &db) : m_db(db) {}

    bool isEmpty() const;
    // The first row (in file order) with exactly this login name and password.
    std::optional<Operator> find(const QString &loginName, const QString &password) const;
    QList<Operator> all() const;
    // Operators whose role is "待分配", the ones the rights screen lists.
    QList<Operator> assignable() const;

    qint64 insert(const Operator &op); // returns the new id
    void update(const Operator &op);   // names, password, role (rights untouched)
    void remove(qint64 id);
    // Writes the right columns of every given operator in one transaction.
    void saveRights(const QList<Operator> &ops);

private:
    QList<Operator> select(const QString &where, const QVariantList &values) const;
    Database &m_db;
};
