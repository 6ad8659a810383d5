#include "data/app/OperatorStore.h"

#include "core/app/Right.h"
#include "data/db/Sql.h"
#include "data/db/TransactionGuard.h"

namespace {
QString columnList()
{
    return QStringLiteral("rowid, 用户名, 密码, 姓名, 权限, ") + Rights::columnNames().join(QStringLiteral(", "));
}

// Text columns hold empty text rather than null, so a blank login compares as typed.
QVariant text(const QString &s)
{
    return s.isNull() ? QVariant(QStringLiteral("")) : QVariant(s);
}

Operator fromQuery(const QSqlQuery &q)
{
    Operator op;
    op.id = q.value(0).toLongLong();
    op.loginName = q.value(1).toString();
    op.password = q.value(2).toString();
    op.name = q.value(3).toString();
    op.role = q.value(4).toString();
    for (int i = 0; i < Rights::Count; ++i)
        if (q.value(5 + i).toInt() != 0)
            op.columns |= 1u << i;
    return op;
}
} // namespace

bool OperatorStore::isEmpty() const
{
    return !Sql::scalar(m_db, QStringLiteral("SELECT 1 FROM 用户管理 LIMIT 1")).isValid();
}

QList<Operator> OperatorStore::select(const QString &where, const QVariantList &values) const
{
    QString statement = QStringLiteral("SELECT ") + columnList() + QStringLiteral(" FROM 用户管理");
    if (!where.isEmpty())
        statement += QStringLiteral(" WHERE ") + where;
    statement += QStringLiteral(" ORDER BY rowid");
    QSqlQuery q = Sql::exec(m_db, statement, values);
    QList<Operator> ops;
    while (q.next())
        ops << fromQuery(q);
    return ops;
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
    QStringList marks;
    QVariantList values{text(op.loginName), text(op.password), text(op.name), text(op.role)};
    for (int i = 0; i < Rights::Count; ++i)
        values << int((op.columns >> i) & 1u);
    for (int i = 0; i < values.size(); ++i)
        marks << QStringLiteral("?");
    QSqlQuery q = Sql::exec(m_db,
                            QStringLiteral("INSERT INTO 用户管理 (用户名, 密码, 姓名, 权限, ") +
                                Rights::columnNames().join(QStringLiteral(", ")) + QStringLiteral(") VALUES (") +
                                marks.join(QStringLiteral(", ")) + QStringLiteral(")"),
                            values);
    return q.lastInsertId().toLongLong();
}

void OperatorStore::update(const Operator &op)
{
    Sql::exec(m_db, QStringLiteral("UPDATE 用户管理 SET 用户名 = ?, 密码 = ?, 姓名 = ?, 权限 = ? WHERE rowid = ?"),
              {text(op.loginName), text(op.password), text(op.name), text(op.role), op.id});
}

void OperatorStore::remove(qint64 id)
{
    Sql::exec(m_db, QStringLiteral("DELETE FROM 用户管理 WHERE rowid = ?"), {id});
}

void OperatorStore::saveRights(const QList<Operator> &ops)
{
    QStringList sets;
    for (const QString &c : Rights::columnNames())
        sets << c + QStringLiteral(" = ?");
    const QString statement =
        QStringLiteral("UPDATE 用户管理 SET ") + sets.join(QStringLiteral(", ")) + QStringLiteral(" WHERE rowid = ?");
    TransactionGuard tx(m_db);
    for (const Operator &op : ops) {
        QVariantList values;
        for (int i = 0; i < Rights::Count; ++i)
            values << int((op.columns >> i) & 1u);
        values << op.id;
        Sql::exec(m_db, statement, values);
    }
    tx.commit();
}
