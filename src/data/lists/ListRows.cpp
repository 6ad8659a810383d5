#include "data/lists/ListRows.h"

#include "core/app/Money.h"
#include "data/lists/ListPlanner.h"
#include "data/db/Sql.h"

struct ListRows::Reading
{
    QSqlQuery query;
    qint64 next = 0; // the row the query reads next
};

namespace {
QString printed(ListFormat format, const QVariant &v)
{
    switch (format) {
    case ListFormat::Money:
        return v.isNull() ? QString() : Money::fromUnits(v.toLongLong()).toText();
    case ListFormat::YesNo:
        return v.toLongLong() != 0 ? QStringLiteral("是") : QStringLiteral("否");
    case ListFormat::Text:
    case ListFormat::Date:
        break;
    }
    return v.toString();
}
} // namespace

ListRows::ListRows(Database &db, ListQuery query) : m_db(db), m_query(std::move(query)) {}

ListRows::~ListRows() = default;

ListPlanner &ListRows::planner()
{
    if (!m_planner)
        m_planner = std::make_unique<ListPlanner>(m_db, m_query, 200);
    return *m_planner;
}

qint64 ListRows::count()
{
    const ListPlanner::Statement s = planner().countStatement();
    return Sql::scalar(m_db, s.sql, s.binds).toLongLong();
}

QList<QStringList> ListRows::rows(qint64 first, int n)
{
    QList<QStringList> out;
    if (first < 0 || n <= 0)
        return out;
    if (!m_reading || m_reading->next != first) {
        m_reading.reset(); // the statement before is done with first
        const ListPlanner::Statement s = planner().rowsFromStatement(first);
        m_reading = std::make_unique<Reading>(Reading{Sql::exec(m_db, s.sql, s.binds), first});
    }
    const int columns = int(m_query.columns.size());
    out.reserve(n);
    QSqlQuery &q = m_reading->query;
    while (out.size() < n && q.next()) {
        QStringList row;
        row.reserve(columns);
        for (int c = 0; c < columns; ++c)
            row << printed(m_query.columns[c].format, q.value(ListPlanner::FirstColumnField + c));
        out << row;
    }
    m_reading->next += out.size();
    if (out.size() < n)
        m_reading.reset(); // the end: the file is not kept open for nothing
    return out;
}
