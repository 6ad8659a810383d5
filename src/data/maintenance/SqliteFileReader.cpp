#include "data/maintenance/SqliteFileReader.h"

#include "data/db/ColumnMap.h"
#include "data/db/Database.h"
#include "data/db/Sql.h"

#include <QAtomicInt>
#include <QDir>
#include <QSqlError>
#include <QSqlField>
#include <QSqlRecord>

namespace {
QAtomicInt readerCounter;

QString quoted(const QString &name)
{
    return ColumnMap::quoted(name);
}

QSqlDatabase connectionOf(const QString &name)
{
    return QSqlDatabase::database(name, false);
}
} // namespace

SqliteFileReader::SqliteFileReader(const QString &path)
    : m_connection(QStringLiteral("vantrel-older-%1").arg(readerCounter.fetchAndAddRelaxed(1)))
{
    QSqlDatabase c = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
    c.setDatabaseName(path);
    c.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_BUSY_TIMEOUT=%1").arg(Database::BusyTimeoutMs));
    if (!c.open()) {
        const DbError e = Sql::engineError(c.lastError());
        c = QSqlDatabase();
        QSqlDatabase::removeDatabase(m_connection);
        throw DbError(QStringLiteral("无法打开旧版数据文件：%1（%2）").arg(QDir::toNativeSeparators(path), e.message()));
    }
}

SqliteFileReader::~SqliteFileReader()
{
    {
        QSqlDatabase c = connectionOf(m_connection);
        c.close();
    }
    QSqlDatabase::removeDatabase(m_connection);
}

QStringList SqliteFileReader::tableNames() const
{
    return connectionOf(m_connection).tables();
}

void SqliteFileReader::requireTable(const QString &table) const
{
    if (!tableNames().contains(table))
        throw DbError(QStringLiteral("旧版数据文件中没有数据表“%1”").arg(table));
}

QStringList SqliteFileReader::columnNames(const QString &table) const
{
    requireTable(table);
    const QSqlRecord record = connectionOf(m_connection).record(table);
    QStringList names;
    for (int i = 0; i < record.count(); ++i)
        names << record.fieldName(i);
    return names;
}

qint64 SqliteFileReader::rowCount(const QString &table) const
{
    requireTable(table);
    QSqlQuery q(connectionOf(m_connection));
    if (!q.exec(QStringLiteral("SELECT count(*) FROM ") + quoted(table)) || !q.next())
        throw Sql::engineError(q.lastError());
    return q.value(0).toLongLong();
}

void SqliteFileReader::readRows(const QString &table, const QStringList &columns,
                                const std::function<bool(const QStringList &values)> &visit) const
{
    const QStringList present = columnNames(table);
    QStringList selected;
    for (const QString &c : columns) {
        if (!present.contains(c))
            throw DbError(QStringLiteral("旧版数据表“%1”缺少字段“%2”").arg(table, c));
        selected << quoted(c);
    }
    QSqlQuery q(connectionOf(m_connection));
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral("SELECT %1 FROM %2").arg(selected.join(QStringLiteral(", ")), quoted(table))))
        throw Sql::engineError(q.lastError());
    const int count = int(columns.size());
    QStringList values;
    while (q.next()) {
        values.clear();
        for (int i = 0; i < count; ++i)
            values << q.value(i).toString(); // a missing value reads as an empty text
        if (!visit(values))
            return;
    }
    if (q.lastError().isValid())
        throw Sql::engineError(q.lastError());
}
