#include "TestDatabase.h"

#include <QDir>
#include <QSqlDatabase>
#include <QSqlError>
#include <QTest>

TestDatabase::TestDatabase()
{
    const QString path = QDir(m_dir.path()).filePath(QStringLiteral("data1.1.mdb"));
    Database::create(path);
    m_db = std::make_unique<Database>(path);
    ctx.AppDir = m_dir.path();
    ctx.ConnStr = path;
    ctx.db = m_db.get();
    ctx.prompter = &prompter;
    ctx.settingsFile = QDir(m_dir.path()).filePath(QStringLiteral("settings.ini"));
    ctx.OperatorName = QStringLiteral("测试员");
}

QSqlQuery TestDatabase::exec(const QString &statement, const QVariantList &values)
{
    QSqlQuery q(QSqlDatabase::database(m_db->connectionName()));
    if (!q.prepare(statement))
        qFatal("prepare failed: %s: %s", qPrintable(statement), qPrintable(q.lastError().text()));
    for (int i = 0; i < values.size(); ++i)
        q.bindValue(i, values[i]);
    if (!q.exec())
        qFatal("exec failed: %s: %s", qPrintable(statement), qPrintable(q.lastError().text()));
    return q;
}

QVariant TestDatabase::scalar(const QString &statement, const QVariantList &values)
{
    QSqlQuery q = exec(statement, values);
    return q.next() ? q.value(0) : QVariant();
}

int TestDatabase::count(const QString &table, const QString &where, const QVariantList &values)
{
    QString statement = QStringLiteral("SELECT COUNT(*) FROM \"%1\"").arg(table);
    if (!where.isEmpty())
        statement += QStringLiteral(" WHERE ") + where;
    return scalar(statement, values).toInt();
}
