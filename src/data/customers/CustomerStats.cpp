#include "data/customers/CustomerStats.h"

#include "core/app/DateText.h"
#include "data/db/RowKey.h"
#include "data/db/Sql.h"

CustomerCounts CustomerStats::counts(const QDate &day) const
{
    const MonthRange month = MonthRange::of(day.year(), day.month());
    QSqlQuery q = Sql::exec(m_db, QStringLiteral(
        "SELECT (SELECT count(*) FROM 客户目录 WHERE 登记时间 = ?),"
        " (SELECT count(*) FROM 客户目录 WHERE 登记时间 >= ? AND 登记时间 < ?),"
        " (SELECT count(*) FROM 客户目录)"),
        {DateText::toText(day), month.firstText(), month.nextText()});
    CustomerCounts c;
    if (q.next()) {
        c.today = q.value(0).toInt();
        c.month = q.value(1).toInt();
        c.total = q.value(2).toInt();
    }
    return c;
}

QList<int> CustomerStats::byMonth(int year) const
{
    QSqlQuery q = Sql::exec(m_db, QStringLiteral(
        "SELECT substr(登记时间, 6, 2), count(*) FROM 客户目录 WHERE 登记时间 >= ? AND 登记时间 < ?"
        " GROUP BY substr(登记时间, 6, 2)"),
        {MonthRange::of(year, 1).firstText(), MonthRange::of(year, 12).nextText()});
    QList<int> counts(12, 0);
    while (q.next()) {
        const int m = q.value(0).toInt();
        if (m >= 1 && m <= 12)
            counts[m - 1] = q.value(1).toInt();
    }
    return counts;
}

QList<CustomerStats::ClassCount> CustomerStats::byClass() const
{
    QSqlQuery q = Sql::exec(m_db, QStringLiteral(
        "SELECT c.客户类别, coalesce(n.customers, 0) FROM 客户分类 c"
        " LEFT JOIN (SELECT 类别, count(*) AS customers FROM 客户目录 GROUP BY 类别) n ON n.类别 = c.客户类别"
        " ORDER BY c.%1").arg(RowKey::column()));
    QList<ClassCount> out;
    while (q.next())
        out << ClassCount{q.value(0).toString(), q.value(1).toInt()};
    return out;
}
