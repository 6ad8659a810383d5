#include "data/catalogs/CatalogStore.h"

#include "data/db/RowKey.h"
#include "data/db/Schema.h"
#include "data/db/Sql.h"
#include "data/db/TextMatch.h"

namespace {
QString quoted(const QString &name)
{
    return u'"' + name + u'"';
}
}

CatalogStore::CatalogStore(Database &db, const QString &table, const QStringList &columns, const QString &orderBy)
    : m_db(db), m_table(table), m_columns(columns), m_orderBy(orderBy)
{
}

QString CatalogStore::selectList() const
{
    QStringList cols{RowKey::column()};
    for (const QString &c : m_columns)
        cols << quoted(c);
    return cols.join(QStringLiteral(", "));
}

QString CatalogStore::whereClause(const CatalogFilter &filter, QVariantList &binds) const
{
    switch (filter.match) {
    case CatalogFilter::Match::All:
        return {};
    case CatalogFilter::Match::Equals:
        binds << filter.text;
        return QStringLiteral(" WHERE %1 = ?").arg(quoted(filter.columns.value(0)));
    case CatalogFilter::Match::Contains: {
        QStringList parts;
        for (const QString &c : filter.columns)
            parts << TextMatch::contains(quoted(c), filter.text, binds);
        return QStringLiteral(" WHERE (") + parts.join(QStringLiteral(" OR ")) + u')';
    }
    }
    return {};
}

int CatalogStore::count(const CatalogFilter &filter) const
{
    QVariantList binds;
    const QString where = whereClause(filter, binds);
    return Sql::scalar(m_db, QStringLiteral("SELECT COUNT(*) FROM ") + quoted(m_table) + where, binds).toInt();
}

QList<CatalogRow> CatalogStore::fetch(const CatalogFilter &filter, int offset, int limit, qint64 afterKey) const
{
    QVariantList binds;
    QString where = whereClause(filter, binds);
    const QString orderBy = filter.orderBy.value_or(m_orderBy);
    const bool keyset = orderBy.isEmpty() && afterKey > 0 && limit >= 0;
    if (keyset) {
        where += (where.isEmpty() ? QStringLiteral(" WHERE ") : QStringLiteral(" AND ")) + RowKey::column()
            + QStringLiteral(" > ?");
        binds << afterKey;
    }
    QString statement = QStringLiteral("SELECT ") + selectList() + QStringLiteral(" FROM ") + quoted(m_table) + where;
    // The row key breaks ties so pages never overlap.
    statement += QStringLiteral(" ORDER BY ");
    if (!orderBy.isEmpty())
        statement += quoted(orderBy) + QStringLiteral(", ");
    statement += RowKey::column();
    if (limit >= 0) {
        statement += QStringLiteral(" LIMIT ? OFFSET ?");
        binds << qlonglong(limit) << qlonglong(keyset ? 0 : offset);
    }
    QSqlQuery q = Sql::exec(m_db, statement, binds);
    QList<ColumnType> types;
    for (const QString &c : m_columns)
        types << Schema::columnType(m_table, c);
    QList<CatalogRow> rows;
    while (q.next()) {
        CatalogRow r;
        r.key = q.value(0).toLongLong();
        for (int i = 0; i < m_columns.size(); ++i)
            r.values << Schema::displayText(types[i], q.value(i + 1));
        rows << r;
    }
    return rows;
}

CatalogRow CatalogStore::row(qint64 key) const
{
    QSqlQuery q = Sql::exec(m_db,
                            QStringLiteral("SELECT ") + selectList() + QStringLiteral(" FROM ") + quoted(m_table)
                                + QStringLiteral(" WHERE ") + RowKey::column() + QStringLiteral(" = ?"),
                            {key});
    CatalogRow r;
    if (!q.next())
        return r;
    r.key = q.value(0).toLongLong();
    for (int i = 0; i < m_columns.size(); ++i)
        r.values << Schema::displayText(Schema::columnType(m_table, m_columns[i]), q.value(i + 1));
    return r;
}

bool CatalogStore::exists(const QString &column, const QString &value) const
{
    return Sql::scalar(m_db,
                       QStringLiteral("SELECT 1 FROM %1 WHERE %2 = ? LIMIT 1").arg(quoted(m_table), quoted(column)),
                       {value})
        .isValid();
}

bool CatalogStore::accepts(const QString &column, const QString &text) const
{
    return Schema::storageValue(Schema::columnType(m_table, column), text).has_value();
}

bool CatalogStore::holdsNumbers(const QString &column) const
{
    const ColumnType type = Schema::columnType(m_table, column);
    return type == ColumnType::Money || type == ColumnType::Integer;
}

QVariantList CatalogStore::storedValues(const QStringList &values) const
{
    QVariantList stored;
    for (int i = 0; i < m_columns.size(); ++i) {
        const ColumnType type = Schema::columnType(m_table, m_columns[i]);
        const QString text = values.value(i);
        if (type == ColumnType::Text || type == ColumnType::Memo) {
            stored << QVariant(text); // kept exactly as typed
            continue;
        }
        const auto v = Schema::storageValue(type, text);
        if (!v)
            throw DbError(QStringLiteral("“%1”不是“%2”可接受的值").arg(text, m_columns[i]));
        stored << *v;
    }
    return stored;
}

qint64 CatalogStore::insert(const QStringList &values)
{
    QStringList cols;
    QStringList marks;
    QVariantList binds = storedValues(values);
    for (const QString &c : m_columns) {
        cols << quoted(c);
        marks << QStringLiteral("?");
    }
    if (const TableDef *t = Schema::table(m_table)) {
        for (const ColumnDef &c : t->columns) {
            if (c.type == ColumnType::YesNo && !m_columns.contains(c.name)) {
                cols << quoted(c.name);
                marks << QStringLiteral("?");
                binds << qlonglong(0);
            }
        }
    }
    QSqlQuery q = Sql::exec(m_db,
                            QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                .arg(quoted(m_table), cols.join(QStringLiteral(", ")), marks.join(QStringLiteral(", "))),
                            binds);
    return q.lastInsertId().toLongLong();
}

void CatalogStore::update(qint64 key, const QStringList &values)
{
    QStringList sets;
    for (const QString &c : m_columns)
        sets << quoted(c) + QStringLiteral(" = ?");
    QVariantList binds = storedValues(values);
    binds << key;
    Sql::exec(m_db,
              QStringLiteral("UPDATE %1 SET %2 WHERE %3 = ?")
                  .arg(quoted(m_table), sets.join(QStringLiteral(", ")), RowKey::column()),
              binds);
}

void CatalogStore::remove(qint64 key)
{
    Sql::exec(m_db, QStringLiteral("DELETE FROM %1 WHERE %2 = ?").arg(quoted(m_table), RowKey::column()), {key});
}
