#include "data/lists/ListPlanner.h"

#include "core/app/DateText.h"
#include "data/db/ListEngine.h"
#include "data/db/RowKey.h"
#include "data/db/Schema.h"
#include "data/db/Sql.h"
#include "data/db/TextMatch.h"

#include <QAtomicInt>
#include <cmath>

namespace {
QAtomicInt keyTableCounter;

QString quoted(const QString &name)
{
    return u'"' + name + u'"';
}

// The value as the column stores it; a null value (matching nothing) when it does not fit.
QVariant stored(const ColumnRef &column, const QVariant &value)
{
    if (value.isNull())
        return QVariant();
    if (value.typeId() == QMetaType::QDate)
        return value.toDate().isValid() ? QVariant(DateText::toText(value.toDate())) : QVariant();
    switch (column.type) {
    case ColumnType::Text:
    case ColumnType::Memo:
    case ColumnType::Date:
        return value.toString();
    case ColumnType::YesNo:
        if (value.typeId() == QMetaType::Bool)
            return qlonglong(value.toBool() ? 1 : 0);
        break;
    default:
        break;
    }
    if (value.typeId() == QMetaType::QString) {
        const auto v = Schema::storageValue(column.type, value.toString());
        return v ? *v : QVariant();
    }
    return value;
}

QString symbol(ListCondition::Op o)
{
    using O = ListCondition::Op;
    switch (o) {
    case O::Equal: return QStringLiteral(" = ");
    case O::NotEqual: return QStringLiteral(" <> ");
    case O::Less: return QStringLiteral(" < ");
    case O::LessOrEqual: return QStringLiteral(" <= ");
    case O::Greater: return QStringLiteral(" > ");
    case O::GreaterOrEqual: return QStringLiteral(" >= ");
    }
    return QStringLiteral(" = ");
}

QString op(ListCondition::Op o)
{
    return symbol(o) + u'?';
}

QString joined(const QStringList &terms)
{
    return terms.isEmpty() ? QString() : QStringLiteral(" WHERE ") + terms.join(QStringLiteral(" AND "));
}
} // namespace

ListPlanner::ListPlanner(Database &db, const ListQuery &query, int pageSize)
    : m_db(db), m_query(query), m_pageSize(pageSize)
{
    const QString table = m_query.table();
    const QString rowKey = quoted(table) + u'.' + RowKey::column();
    QStringList fields{m_query.sort.isTableOrder() ? QStringLiteral("NULL") : column(m_query.sort.column, true)};
    QStringList shown;
    for (const ListColumn &c : m_query.columns)
        shown << column(c.column, true);
    fields << shown;
    const QString from = QStringLiteral(" FROM ") + quoted(table);
    m_select = QStringLiteral("SELECT ") + rowKey + QStringLiteral(", ") + fields.join(QStringLiteral(", ")) + from;
    if (m_query.distinct) {
        bool sortShown = m_query.sort.isTableOrder();
        for (const ListColumn &c : m_query.columns)
            sortShown = sortShown || c.column == m_query.sort.column;
        if (!sortShown)
            throw DbError(QStringLiteral("a distinct list sorts on one of its columns"));
        m_distinctSelect = QStringLiteral("SELECT max(") + rowKey + QStringLiteral("), ") + fields.join(QStringLiteral(", ")) + from;
        m_group = QStringLiteral(" GROUP BY ") + shown.join(QStringLiteral(", "));
    }

    try {
        for (const ListCondition &c : m_query.conditions)
            materialise(c);

        // Count, up to a bound, the rows of each condition an index can serve alone; the one
        // with the fewest (near ones counting a quarter) drives if they are few enough, or
        // whatever their number when the query says so.
        const qint64 rows = Sql::scalar(m_db, ListEngine::rowBound(quoted(table))).toLongLong();
        const qint64 few = std::max<qint64>(1000, qint64(std::sqrt(double(m_pageSize) * double(rows))));
        const qint64 nearFew = m_query.conditionDrives ? rows : 4 * few;
        qint64 cheapest = m_query.conditionDrives ? rows + 1 : few + 1;
        if (rows > few) {
            for (int i = 0; i < int(m_query.conditions.size()); ++i) {
                if (!indexable(m_query.conditions[i]))
                    continue;
                const Probe p = probe(m_query.conditions[i], nearFew + 1);
                if (p.rows > nearFew)
                    continue;
                // Near: packed into a small part of the table, so reading them touches few pages.
                const bool near = p.span <= 16 * p.rows && p.span <= 2 * nearFew;
                const qint64 cost = near ? p.rows / 4 : p.rows;
                if (cost < cheapest) {
                    cheapest = cost;
                    m_driver = i;
                }
            }
        }

        // An order without an index cannot drive: the rows are sorted once, into a key list.
        m_keyList = m_driver >= 0
            || (!m_query.sort.isTableOrder() && !Schema::hasIndexOn(m_query.sort.column.table, m_query.sort.column.column));
        // A distinct list in table order has no order to page by: its groups are listed once.
        m_keyList = m_keyList || (m_query.distinct && m_query.sort.isTableOrder());
        m_byGroups = m_query.distinct && !m_keyList;

        QStringList terms;
        for (int i = 0; i < int(m_query.conditions.size()); ++i)
            terms << render(m_query.conditions[i], i == m_driver, m_whereBinds);
        m_where = terms.join(QStringLiteral(" AND "));
        // The key list is sorted from the driving condition's rows, never by the order's index.
        const QString key = m_query.distinct ? QStringLiteral("max(") + rowKey + u')' : ListEngine::unindexed(rowKey);
        if (m_query.sort.isTableOrder()) {
            m_order = key;
        } else {
            const QString dir = m_query.sort.descending ? QStringLiteral(" DESC") : QString();
            m_order = column(m_query.sort.column, false) + dir + QStringLiteral(", ") + key + dir;
        }
    } catch (...) {
        dropKeyTables();
        throw;
    }
}

ListPlanner::~ListPlanner()
{
    dropKeyTables();
}

void ListPlanner::dropKeyTables()
{
    for (const auto &[node, name] : m_keyTables) {
        try {
            Sql::exec(m_db, ListEngine::dropKeyTable(name));
        } catch (const DbError &) {
            // The connection is gone, and its temporary tables with it.
        }
    }
}

bool ListPlanner::indexable(const ListCondition &c) const
{
    using K = ListCondition::Kind;
    switch (c.kind) {
    case K::Compare:
        return c.op != ListCondition::Op::NotEqual && Schema::hasIndexOn(c.column.table, c.column.column);
    case K::Range:
    case K::InSelect:
        return Schema::hasIndexOn(c.column.table, c.column.column);
    case K::AnyOf:
        for (const ListCondition &p : c.parts)
            if (!indexable(p))
                return false;
        return !c.parts.empty();
    case K::Contains:
    case K::CompareColumns:
        return false;
    }
    return false;
}

QString ListPlanner::column(const ColumnRef &c, bool indexed) const
{
    // Kept off its index, the term filters the rows the planned part yields.
    const QString name = quoted(c.table) + u'.' + quoted(c.column);
    return indexed ? name : ListEngine::unindexed(name);
}

QString ListPlanner::render(const ListCondition &c, bool indexed, QVariantList &binds) const
{
    using K = ListCondition::Kind;
    switch (c.kind) {
    case K::Compare:
        binds << stored(c.column, c.value);
        return column(c.column, indexed) + op(c.op);
    case K::Contains:
        return TextMatch::contains(column(c.column, true), c.value.toString(), binds);
    case K::Range: {
        const QString col = column(c.column, indexed);
        binds << stored(c.column, c.value) << stored(c.column, c.until);
        return u'(' + col + QStringLiteral(" >= ? AND ") + col + QStringLiteral(" < ?)");
    }
    case K::AnyOf: {
        QStringList any;
        for (const ListCondition &p : c.parts)
            any << render(p, indexed, binds);
        return any.isEmpty() ? QStringLiteral("1 = 0") : u'(' + any.join(QStringLiteral(" OR ")) + u')';
    }
    case K::InSelect:
        return column(c.column, indexed) + QStringLiteral(" IN (SELECT k FROM ") + ListEngine::keyTable(m_keyTables.at(&c))
            + u')';
    case K::CompareColumns:
        return column(c.column, true) + symbol(c.op) + column(c.other, true);
    }
    return QStringLiteral("1 = 0");
}

void ListPlanner::materialise(const ListCondition &c)
{
    for (const ListCondition &p : c.parts)
        materialise(p);
    if (c.kind != ListCondition::Kind::InSelect)
        return;
    const QString name = QStringLiteral("list_keys_%1").arg(keyTableCounter.fetchAndAddRelaxed(1));
    m_keyTables[&c] = name;
    Sql::exec(m_db, ListEngine::createKeyTable(name));
    QVariantList binds;
    QStringList terms;
    for (const ListCondition &p : c.parts)
        terms << render(p, true, binds);
    const QString selected = quoted(c.selected.table) + u'.' + quoted(c.selected.column);
    terms << selected + QStringLiteral(" IS NOT NULL");
    Sql::exec(m_db,
              ListEngine::fillKeyTable(name, QStringLiteral("SELECT %1 FROM %2%3").arg(selected, quoted(c.selected.table), joined(terms))),
              binds);
}

ListPlanner::Probe ListPlanner::probe(const ListCondition &c, qint64 limit) const
{
    QVariantList binds;
    const QString term = render(c, true, binds);
    binds << limit;
    QSqlQuery q = Sql::exec(m_db,
                            QStringLiteral("SELECT count(*), max(k) - min(k) + 1 FROM (SELECT %1.%2 AS k FROM %1 WHERE %3 LIMIT ?)")
                                .arg(quoted(m_query.table()), RowKey::column(), term),
                            binds);
    Probe p;
    if (q.next()) {
        p.rows = q.value(0).toLongLong();
        p.span = q.value(1).toLongLong();
    }
    return p;
}

ListPlanner::Statement ListPlanner::keyListStatement() const
{
    const QString table = quoted(m_query.table());
    const QString where = joined(m_where.isEmpty() ? QStringList() : QStringList{m_where});
    if (m_query.distinct)
        return {QStringLiteral("SELECT max(%1.%2) FROM %1%3%4 ORDER BY %5").arg(table, RowKey::column(), where, m_group, m_order),
                m_whereBinds};
    return {QStringLiteral("SELECT %1.%2 FROM %1%3 ORDER BY %4").arg(table, RowKey::column(), where, m_order),
            m_whereBinds};
}

ListPlanner::Statement ListPlanner::allRowsStatement() const
{
    if (m_query.distinct)
        return {m_distinctSelect + joined(m_where.isEmpty() ? QStringList() : QStringList{m_where}) + m_group
                    + QStringLiteral(" ORDER BY ") + m_order,
                m_whereBinds};
    if (byKeyList())
        return {m_select + joined(m_where.isEmpty() ? QStringList() : QStringList{m_where}) + QStringLiteral(" ORDER BY ")
                    + m_order,
                m_whereBinds};
    Statement s = pageStatements(Cursor()).first();
    s.sql.chop(QStringLiteral(" LIMIT ?").size());
    return s;
}

ListPlanner::Statement ListPlanner::rowsFromStatement(qint64 first) const
{
    Statement s = allRowsStatement();
    if (first > 0) {
        // The engine takes an offset only after a limit; -1 is none.
        s.sql += QStringLiteral(" LIMIT -1 OFFSET ?");
        s.binds << first;
    }
    return s;
}

ListPlanner::Statement ListPlanner::countStatement() const
{
    const QString table = quoted(m_query.table());
    const QString where = joined(m_where.isEmpty() ? QStringList() : QStringList{m_where});
    if (m_query.distinct)
        return {QStringLiteral("SELECT count(*) FROM (SELECT 1 FROM %1%2%3)").arg(table, where, m_group), m_whereBinds};
    return {QStringLiteral("SELECT count(*) FROM %1%2").arg(table, where), m_whereBinds};
}

QString ListPlanner::rowsStatement(int count) const
{
    QStringList marks;
    for (int i = 0; i < count; ++i)
        marks << QStringLiteral("?");
    return m_select + QStringLiteral(" WHERE %1.%2 IN (%3)").arg(quoted(m_query.table()), RowKey::column(), marks.join(u','));
}

QList<ListPlanner::Statement> ListPlanner::pageStatements(const Cursor &cursor) const
{
    const QString key = quoted(m_query.table()) + u'.' + RowKey::column();
    const QString col = m_query.sort.isTableOrder() ? QString() : column(m_query.sort.column, true);
    QList<Statement> out;
    for (const KeysetPage::Step &step : KeysetPage::steps(col, m_query.sort.descending, key, cursor)) {
        QStringList terms;
        if (!m_where.isEmpty())
            terms << m_where;
        if (!step.after.isEmpty())
            terms << step.after;
        out << Statement{m_select + joined(terms) + QStringLiteral(" ORDER BY ") + step.order + QStringLiteral(" LIMIT ?"),
                         m_whereBinds + step.binds};
    }
    return out;
}

QString ListPlanner::recordStatement(const ColumnRef &c) const
{
    return QStringLiteral("SELECT %1 FROM %2 WHERE %3 = ?").arg(quoted(c.column), quoted(m_query.table()), RowKey::column());
}

QString ListPlanner::afterGroups(const Cursor &cursor, QVariantList &binds, ToEnd toEnd) const
{
    if (cursor.atStart)
        return {};
    const QString col = column(m_query.sort.column, true);
    // The engine puts rows without a value first going up and last going down.
    if (m_query.sort.descending) {
        if (cursor.sortValue.isNull())
            return QStringLiteral("1 = 0"); // the valueless group came last
        // Reading on to the end takes the valueless group too; a page within the list seeks its
        // range of the order's index.
        if (toEnd == ToEnd::ValuelessOnly)
            return col + QStringLiteral(" IS NULL");
        binds << cursor.sortValue;
        return toEnd == ToEnd::Yes ? u'(' + col + QStringLiteral(" < ? OR ") + col + QStringLiteral(" IS NULL)")
                                   : col + QStringLiteral(" < ?");
    }
    if (cursor.sortValue.isNull())
        return col + QStringLiteral(" IS NOT NULL");
    binds << cursor.sortValue;
    return col + QStringLiteral(" > ?");
}

ListPlanner::Statement ListPlanner::boundaryStatement(const Cursor &cursor) const
{
    const QString col = column(m_query.sort.column, true);
    QStringList shown;
    for (const ListColumn &c : m_query.columns)
        shown << column(c.column, true);
    QVariantList binds = m_whereBinds;
    QStringList terms;
    if (!m_where.isEmpty())
        terms << m_where;
    const QString after = afterGroups(cursor, binds, ToEnd::No);
    if (!after.isEmpty())
        terms << after;
    const bool down = m_query.sort.descending;
    const QString inner = QStringLiteral("SELECT DISTINCT %1 AS s, %2 FROM %3%4 ORDER BY %1%5 LIMIT ?")
                              .arg(col, shown.join(QStringLiteral(", ")), quoted(m_query.table()), joined(terms),
                                   down ? QStringLiteral(" DESC") : QString());
    return {QStringLiteral("SELECT count(*), %1(s), count(s) FROM (%2)").arg(down ? QStringLiteral("min") : QStringLiteral("max"), inner),
            binds};
}

ListPlanner::Statement ListPlanner::groupsStatement(const Cursor &cursor, const Boundary &boundary, int pageSize) const
{
    const QString col = column(m_query.sort.column, true);
    QVariantList binds = m_whereBinds;
    QStringList terms;
    if (!m_where.isEmpty())
        terms << m_where;
    // Past the boundary's last value only the valueless group can be left (going down).
    const ToEnd toEnd = boundary.rows >= pageSize ? ToEnd::No : boundary.rows == 0 ? ToEnd::ValuelessOnly : ToEnd::Yes;
    const QString after = afterGroups(cursor, binds, toEnd);
    if (!after.isEmpty())
        terms << after;
    // A full page ends with the group of its last sort value, taken whole.
    if (boundary.rows >= pageSize) {
        if (m_query.sort.descending) {
            if (boundary.valued == boundary.rows) {
                terms << col + QStringLiteral(" >= ?");
                binds << boundary.last;
            } // else the valueless group was reached: it and everything before it
        } else if (boundary.valued == 0) {
            terms << col + QStringLiteral(" IS NULL");
        } else {
            terms << u'(' + col + QStringLiteral(" IS NULL OR ") + col + QStringLiteral(" <= ?)");
            binds << boundary.last;
        }
    }
    const QString dir = m_query.sort.descending ? QStringLiteral(" DESC") : QString();
    const QString order = col + dir + QStringLiteral(", max(") + quoted(m_query.table()) + u'.' + RowKey::column() + u')' + dir;
    return {m_distinctSelect + joined(terms) + m_group + QStringLiteral(" ORDER BY ") + order, binds};
}

bool ListPlanner::groupsLeft(const Cursor &cursor, const Boundary &boundary) const
{
    // Nothing after the cursor: at the start that is every row; going up nothing comes after the
    // last value; going down the valueless rows may still follow.
    return boundary.rows > 0 || (!cursor.atStart && m_query.sort.descending && !cursor.sortValue.isNull());
}

bool ListPlanner::endsList(const Boundary &boundary, int pageSize) const
{
    if (boundary.rows < pageSize)
        return true;
    return m_query.sort.descending && boundary.valued < boundary.rows;
}
