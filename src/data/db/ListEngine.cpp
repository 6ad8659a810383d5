#include "data/db/ListEngine.h"

#include "data/db/RowKey.h"

namespace {
QString quoted(const QString &name)
{
    return u'"' + name + u'"';
}
}

QString ListEngine::unindexed(const QString &quotedColumn)
{
    // A unary plus makes the term an expression, which no index serves.
    return u'+' + quotedColumn;
}

QString ListEngine::rowBound(const QString &quotedTable)
{
    // Row keys are handed out in ascending order: the largest is at least the row count.
    return QStringLiteral("SELECT max(%1) FROM %2").arg(RowKey::column(), quotedTable);
}

QString ListEngine::createKeyTable(const QString &name)
{
    return QStringLiteral("CREATE TEMP TABLE %1 (k PRIMARY KEY)").arg(quoted(name));
}

QString ListEngine::dropKeyTable(const QString &name)
{
    return QStringLiteral("DROP TABLE IF EXISTS ") + keyTable(name);
}

QString ListEngine::keyTable(const QString &name)
{
    return QStringLiteral("temp.") + quoted(name);
}

QString ListEngine::fillKeyTable(const QString &name, const QString &select)
{
    return QStringLiteral("INSERT OR IGNORE INTO %1 (k) ").arg(keyTable(name)) + select;
}
