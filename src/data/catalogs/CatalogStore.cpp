#include "data/catalogs/CatalogStore.h"

#include "data/db/RowKey.h"
#include "data/db/Schema.h"
#include "data/db/TableMap.h"
#include "data/db/TextMatch.h"
#include "data/lists/KeysetPage.h"

namespace {
QString quoted(const QString &name)
{
    return ColumnMap::quoted(name);
}

// The declared columns as texts of a CatalogRow: value i is column i, shown and typed as text.
std::unique_ptr<TableMap<CatalogRow>> textMap(const QList<ColumnRef> &columns)
{
    auto map = std::make_unique<TableMap<CatalogRow>>(columns.value(0).table);
    map->rowKey(&CatalogRow::key);
    const qsizetype count = columns.size();
    for (qsizetype i = 0; i < count; ++i) {
        const ColumnRef column = columns[i];
        map->column(
            column, {column.type},
            [i, count, type = column.type](CatalogRow &r, const QVariant &v) {
                if (r.values.size() < count)
                    r.values.resize(count);
                r.values[i] = Schema::displayText(type, v);
            },
            [i, column](const CatalogRow &r) {
                const QString text = r.values.value(i);
                if (column.type == ColumnType::Text || column.type == ColumnType::Memo)
                    return QVariant(text); // kept exactly as typed
                const auto v = Schema::storageValue(column.type, text);
                if (!v)
                    throw DbError(QStringLiteral("“%1”不是“%2”可接受的值").arg(text, column.column));
                return *v;
            });
    }
    return map;
}
} // namespace

CatalogStore::CatalogStore(Database &db, const QList<ColumnRef> &columns, const ColumnRef &orderBy)
    : m_db(db), m_columns(columns), m_orderBy(orderBy), m_map(textMap(columns))
{
}

CatalogStore::~CatalogStore() = default;
CatalogStore::CatalogStore(CatalogStore &&) noexcept = default;

QString CatalogStore::condition(const CatalogFilter &filter, QVariantList &binds) const
{
    switch (filter.match) {
    case CatalogFilter::Match::All:
        return {};
    case CatalogFilter::Match::Contains: {
        QStringList parts;
        for (const ColumnRef &c : filter.columns)
            parts << TextMatch::contains(quoted(c.column), filter.text, binds);
        return u'(' + parts.join(QStringLiteral(" OR ")) + u')';
    }
    }
    return {};
}

int CatalogStore::count(const CatalogFilter &filter) const
{
    QVariantList binds;
    const QString where = condition(filter, binds);
    return Sql::scalar(m_db,
                       QStringLiteral("SELECT COUNT(*) FROM ") + m_map->quotedTable()
                           + (where.isEmpty() ? QString() : QStringLiteral(" WHERE ") + where),
                       binds)
        .toInt();
}

CatalogStore::Page CatalogStore::page(const CatalogFilter &filter, int limit, const ListCursor &after) const
{
    QVariantList binds;
    const QString where = condition(filter, binds);
    const ColumnRef orderBy = filter.orderBy.value_or(m_orderBy);
    const QString sort = orderBy.isValid() ? quoted(orderBy.column) : QString();
    // The sort value follows the declared columns, for the cursor of the next page.
    const QString select = QStringLiteral("SELECT %1, %2 FROM %3")
                               .arg(m_map->selectList(), sort.isEmpty() ? QStringLiteral("NULL") : sort, m_map->quotedTable());
    const int sortField = 1 + int(m_columns.size());
    Page page;
    page.next = after;
    for (const KeysetPage::Step &step : KeysetPage::steps(sort, false, RowKey::column(), after)) {
        const qsizetype wanted = limit - page.rows.size();
        if (limit >= 0 && wanted <= 0)
            break;
        QStringList terms;
        if (!where.isEmpty())
            terms << where;
        if (!step.after.isEmpty())
            terms << step.after;
        QString sql = select;
        if (!terms.isEmpty())
            sql += QStringLiteral(" WHERE ") + terms.join(QStringLiteral(" AND "));
        sql += QStringLiteral(" ORDER BY ") + step.order;
        QVariantList values = binds + step.binds;
        if (limit >= 0) {
            sql += QStringLiteral(" LIMIT ?");
            values << qlonglong(wanted);
        }
        QSqlQuery q = Sql::exec(m_db, sql, values);
        while (q.next()) {
            page.rows << m_map->read(q);
            page.next = ListCursor{false, q.value(sortField), page.rows.constLast().key};
        }
    }
    return page;
}

CatalogRow CatalogStore::row(qint64 key) const
{
    return m_map->first(m_db, QStringLiteral("WHERE ") + RowKey::column() + QStringLiteral(" = ?"), {key})
        .value_or(CatalogRow());
}

bool CatalogStore::exists(const ColumnRef &column, const QString &value) const
{
    return Sql::scalar(m_db,
                       QStringLiteral("SELECT 1 FROM %1 WHERE %2 = ? LIMIT 1").arg(quoted(column.table), quoted(column.column)),
                       {value})
        .isValid();
}

bool CatalogStore::accepts(const ColumnRef &column, const QString &text)
{
    return Schema::storageValue(column.type, text).has_value();
}

bool CatalogStore::holdsNumbers(const ColumnRef &column)
{
    return column.type == ColumnType::Money || column.type == ColumnType::Integer;
}

qint64 CatalogStore::insert(const QStringList &values)
{
    CatalogRow row;
    row.values = values;
    QVariantList binds = m_map->values(row, m_columns); // throws before anything is written
    QStringList cols{ColumnMap::quotedList(m_columns)};
    QStringList marks;
    for (qsizetype i = 0; i < m_columns.size(); ++i)
        marks << QStringLiteral("?");
    if (const TableDef *t = Schema::table(m_map->table())) {
        for (const ColumnDef &c : t->columns) {
            if (c.type == ColumnType::YesNo && m_map->indexOf(Schema::column(t->name, c.name)) < 0) {
                cols << quoted(c.name);
                marks << QStringLiteral("?");
                binds << qlonglong(0);
            }
        }
    }
    QSqlQuery q = Sql::exec(m_db,
                            QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                .arg(m_map->quotedTable(), cols.join(QStringLiteral(", ")), marks.join(QStringLiteral(", "))),
                            binds);
    return q.lastInsertId().toLongLong();
}

void CatalogStore::update(qint64 key, const QStringList &values)
{
    CatalogRow row;
    row.key = key;
    row.values = values;
    m_map->update(m_db, row, m_columns, RowKey::column() + QStringLiteral(" = ?"), {key});
}

void CatalogStore::remove(qint64 key)
{
    Sql::exec(m_db, QStringLiteral("DELETE FROM %1 WHERE %2 = ?").arg(m_map->quotedTable(), RowKey::column()), {key});
}
