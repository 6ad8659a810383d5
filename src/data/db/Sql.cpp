#include "data/db/Sql.h"

#include <QSqlError>

QSqlDatabase Sql::connection(const Database &db)
{
    QSqlDatabase c = QSqlDatabase::database(db.connectionName(), false);
    if (!c.isOpen())
        throw DbError(QStringLiteral("数据库未打开：") + db.path());
    return c;
}

QSqlQuery Sql::exec(const Database &db, const QString &statement, const QVariantList &values)
{
    QSqlQuery q(connection(db));
    q.setForwardOnly(true);
    if (!q.prepare(statement))
        throw DbError(q.lastError().text());
    for (int i = 0; i < values.size(); ++i)
        q.bindValue(i, values[i]);
    if (!q.exec())
        throw DbError(q.lastError().text());
    return q;
}

QVariant Sql::scalar(const Database &db, const QString &statement, const QVariantList &values)
{
    QSqlQuery q = exec(db, statement, values);
    return q.next() ? q.value(0) : QVariant();
}

QStringList Sql::column(const Database &db, const QString &statement, const QVariantList &values)
{
    QSqlQuery q = exec(db, statement, values);
    QStringList out;
    while (q.next())
        out << q.value(0).toString();
    return out;
}

QString Sql::likePattern(const QString &text)
{
    QString escaped = text;
    escaped.replace(u'\\', QStringLiteral("\\\\"));
    escaped.replace(u'%', QStringLiteral("\\%"));
    escaped.replace(u'_', QStringLiteral("\\_"));
    return u'%' + escaped + u'%';
}
