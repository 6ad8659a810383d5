#include "data/stats/BusinessStats.h"

#include "data/db/RowKey.h"
#include "data/db/Sql.h"
#include "data/db/TableMap.h"
#include "data/db/TransactionGuard.h"
#include "data/stats/MonthSituationTable.h"

namespace {
const QString Ended = QStringLiteral("已结束");

// Amounts are whole ten-thousandths: the sums are exact. An empty amount adds nothing.
Money money(const QVariant &v)
{
    return Money::fromUnits(v.toLongLong());
}
} // namespace

BusinessStats::Current BusinessStats::current(const QDate &day) const
{
    const MonthRange month = MonthRange::of(day.year(), day.month());
    const QString d = DateText::toText(day), from = month.firstText(), until = month.nextText();
    // Each part reads the month's rows through the index of its date column; the state is tested
    // on those rows (its own index would read every ended job of ten years).
    QSqlQuery q = Sql::exec(m_db, QStringLiteral(
        "SELECT r.dayTakings, r.monthTakings, r.dayProfit, r.monthProfit, r.dayDone, r.monthDone,"
        " g.dayIn, g.monthIn, s.dayTakings, s.monthTakings, s.dayProfit, s.monthProfit FROM"
        " (SELECT sum(CASE WHEN +当前状态 = ? AND 返回日期 = ? THEN coalesce(预付款, 0) + coalesce(实际收费, 0) END) AS dayTakings,"
        "   sum(CASE WHEN +当前状态 = ? THEN coalesce(预付款, 0) + coalesce(实际收费, 0) END) AS monthTakings,"
        "   sum(CASE WHEN +当前状态 = ? AND 返回日期 = ? THEN 毛利 END) AS dayProfit,"
        "   sum(CASE WHEN +当前状态 = ? THEN 毛利 END) AS monthProfit,"
        "   sum(CASE WHEN 返回日期 = ? THEN 1 ELSE 0 END) AS dayDone, count(*) AS monthDone"
        "  FROM 维修 WHERE 返回日期 >= ? AND 返回日期 < ?) r,"
        " (SELECT sum(CASE WHEN 接修日期 = ? THEN 1 ELSE 0 END) AS dayIn, count(*) AS monthIn"
        "  FROM 维修 WHERE 接修日期 >= ? AND 接修日期 < ?) g,"
        " (SELECT sum(CASE WHEN 日期 = ? THEN 实收款 END) AS dayTakings, sum(实收款) AS monthTakings,"
        "   sum(CASE WHEN 日期 = ? THEN 毛利 END) AS dayProfit, sum(毛利) AS monthProfit"
        "  FROM 销售 WHERE 日期 >= ? AND 日期 < ?) s"),
        {Ended, d, Ended, Ended, d, Ended, d, from, until, d, from, until, d, d, from, until});
    Current c;
    if (!q.next())
        return c;
    c.day.sales = money(q.value(8));
    c.month.sales = money(q.value(9));
    c.day.turnover = money(q.value(0)) + c.day.sales;
    c.month.turnover = money(q.value(1)) + c.month.sales;
    c.day.profit = money(q.value(2)) + money(q.value(10));
    c.month.profit = money(q.value(3)) + money(q.value(11));
    c.day.finished = q.value(4).toInt();
    c.month.finished = q.value(5).toInt();
    c.day.registered = q.value(6).toInt();
    c.month.registered = q.value(7).toInt();
    return c;
}

QList<MonthSituation> BusinessStats::months(int year) const
{
    const QString from = MonthRange::of(year, 1).firstText(), until = MonthRange::of(year, 12).nextText();
    // One grouping of the year's ended jobs and sales by the month of their date ("yyyy-MM-dd").
    QSqlQuery q = Sql::exec(m_db, QStringLiteral(
        "SELECT m, sum(takings), sum(profit) FROM ("
        " SELECT substr(返回日期, 6, 2) AS m, coalesce(预付款, 0) + coalesce(实际收费, 0) AS takings, 毛利 AS profit"
        "  FROM 维修 WHERE +当前状态 = ? AND 返回日期 >= ? AND 返回日期 < ?"
        " UNION ALL"
        " SELECT substr(日期, 6, 2), 实收款, 毛利 FROM 销售 WHERE 日期 >= ? AND 日期 < ?"
        ") GROUP BY m"),
        {Ended, from, until, from, until});
    QList<MonthSituation> out;
    for (int m = 1; m <= 12; ++m)
        out << MonthSituation{MonthSituation::label(m), Money(), Money()};
    while (q.next()) {
        const int m = q.value(0).toInt();
        if (m < 1 || m > 12)
            continue;
        out[m - 1].turnover = money(q.value(1));
        out[m - 1].profit = money(q.value(2));
    }
    return out;
}

void BusinessStats::storeMonths(const QList<MonthSituation> &months, const std::function<void(int)> &progress)
{
    TransactionGuard transaction(m_db);
    Sql::exec(m_db, QStringLiteral("DELETE FROM 月度情况"));
    const auto &map = MonthSituationTable::map();
    for (int i = 0; i < months.size(); ++i) {
        map.insert(m_db, months[i]);
        if (progress)
            progress(i + 1);
    }
    transaction.commit();
}

QList<MonthSituation> BusinessStats::storedMonths() const
{
    return MonthSituationTable::map().all(m_db, QStringLiteral("ORDER BY ") + RowKey::column());
}
