#include "data/app/OperatorStore.h"

#include "data/app/OperatorTable.h"
#include "data/db/RowKey.h"
#include "data/db/TableMap.h"
#include "data/db/TransactionGuard.h"

namespace {
namespace O = OperatorTable;

// Text columns hold empty text rather than null, so a blank login compares as typed.
Operator withEmptyTexts(Operator op)
{
    for (QString *s : {&op.loginName, &op.password, &op.name, &op.role})
        if (s->isNull())
            *s = QStringLiteral("");
    return op;
}

const QList<ColumnRef> &nameColumns()
{
    static const QList<ColumnRef> cols = {O::LoginName, O::Password, O::Name, O::Role};
    return cols;
}

QString byRowKey()
{
    return RowKey::column() + QStringLiteral(" = ?");
}
} // namespace

bool OperatorStore::isEmpty() const
{
    return !Sql::scalar(m_db, QStringLiteral("SELECT 1 FROM 用户管理 LIMIT 1")).isValid();
}

QList<Operator> OperatorStore::select(const QString &where, const QVariantList &values) const
{
    QString rest;
    if (!where.isEmpty())
        rest = QStringLiteral("WHERE ") + where + u' ';
    return O::map().all(m_db, rest + QStringLiteral("ORDER BY ") + RowKey::column(), values);
}

std::optional<Operator> OperatorStore::find(const QString &loginName, const QString &password) const
{
    const QList<Operator> ops = select(QStringLiteral("用户名 = ? AND 密码 = ?"), {loginName, password});
    if (ops.isEmpty())
        return std::nullopt;
    return ops.first();
}

QList<Operator> OperatorStore::all() const
{
    return select(QString(), {});
}

QList<Operator> OperatorStore::assignable() const
{
    return select(QStringLiteral("权限 = ?"), {QStringLiteral("待分配")});
}

qint64 OperatorStore::insert(const Operator &op)
{
    return O::map().insert(m_db, withEmptyTexts(op));
}

void OperatorStore::update(const Operator &op)
{
    O::map().update(m_db, withEmptyTexts(op), nameColumns(), byRowKey(), {op.id});
}

void OperatorStore::remove(qint64 id)
{
    Sql::exec(m_db, QStringLiteral("DELETE FROM 用户管理 WHERE ") + byRowKey(), {id});
}

void OperatorStore::saveRights(const QList<Operator> &ops)
{
    TransactionGuard tx(m_db);
    for (const Operator &op : ops)
        O::map().update(m_db, op, O::rights(), byRowKey(), {op.id});
    tx.commit();
}
