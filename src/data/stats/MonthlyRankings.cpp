#include "data/stats/MonthlyRankings.h"

#include "core/repair/RepairState.h"
#include "data/catalogs/FollowUpStaffTable.h"
#include "data/catalogs/PartsCatalogTable.h"
#include "data/catalogs/TechnicianTable.h"
#include "data/customers/CustomerTable.h"
#include "data/db/ColumnMap.h"
#include "data/db/RowKey.h"
#include "data/db/Sql.h"
#include "data/db/TransactionGuard.h"
#include "data/stats/CustomerRankingTable.h"
#include "data/stock/StockLedger.h"

#include <QHash>
#include <algorithm>
#include <numeric>
#include <vector>

namespace {

const QString SaleReason = QStringLiteral("售出");

QString q(const ColumnRef &c)
{
    return ColumnMap::quoted(c.column);
}

QString table(const char *name)
{
    return ColumnMap::quoted(QString::fromUtf8(name));
}

// The rank of each figure, 1 for the highest; equal figures in their given order.
std::vector<qint64> ranksOf(const std::vector<qint64> &figures)
{
    std::vector<size_t> order(figures.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) { return figures[a] > figures[b]; });
    std::vector<qint64> ranks(figures.size());
    for (size_t i = 0; i < order.size(); ++i)
        ranks[order[i]] = qint64(i) + 1;
    return ranks;
}

// Reports the rows written about a hundred times, however many there are.
class Steps
{
public:
    Steps(const MonthlyRankings::Progress &progress, qint64 total)
        : m_progress(progress), m_total(total), m_every(std::max<qint64>(1, total / 100))
    {
        if (m_progress)
            m_progress(0, m_total);
    }
    void done(qint64 n)
    {
        if (m_progress && (n % m_every == 0 || n == m_total))
            m_progress(n, m_total);
    }

private:
    const MonthlyRankings::Progress &m_progress;
    qint64 m_total;
    qint64 m_every;
};

// The month's bounds, bound in this order after the statement's other values.
QVariantList bounds(const MonthRange &month)
{
    return {month.firstText(), month.nextText()};
}

// Rows of a ranked catalog in table order: their key and name.
struct Ranked
{
    qint64 key;
    QString name;
};

std::vector<Ranked> rowsOf(Database &db, const char *tableName, const ColumnRef &name, const std::optional<QString> &only = {})
{
    QSqlQuery r = Sql::exec(db,
                            QStringLiteral("SELECT %1, %2 FROM %3%4 ORDER BY %1")
                                .arg(RowKey::column(), q(name), table(tableName),
                                     only ? QStringLiteral(" WHERE %1 = ?").arg(q(name)) : QString()),
                            only ? QVariantList{*only} : QVariantList{});
    std::vector<Ranked> rows;
    while (r.next())
        rows.push_back({r.value(0).toLongLong(), r.value(1).toString()});
    return rows;
}

// One count per name from a statement selecting name and count.
QHash<QString, qint64> countsBy(QSqlQuery r)
{
    QHash<QString, qint64> counts;
    while (r.next())
        if (!r.value(0).isNull())
            counts.insert(r.value(0).toString(), r.value(1).toLongLong());
    return counts;
}

} // namespace

qint64 MonthlyRankings::rankTechnicians(const MonthRange &month, TechnicianOrder order, const std::optional<QString> &only)
{
    namespace T = TechnicianTable;
    struct Figures
    {
        qint64 jobs = 0, cancelled = 0, inHand = 0;
        qint64 amount = 0, profit = 0, partsFees = 0, labourFees = 0, extraFees = 0;
    };
    // One grouping of the month's returned jobs for every technician; the technician view writes
    // its own row only. A job being settled ("待结算") is not counted as in hand.
    QVariantList values{RepairState::Cancelled, RepairState::AwaitingRepair, RepairState::AwaitingCheck,
                        RepairState::AwaitingCharge};
    values << bounds(month);
    QSqlQuery r = Sql::exec(m_db, QStringLiteral(
        "SELECT 技术员, count(*), sum(CASE WHEN 当前状态 = ? THEN 1 ELSE 0 END),"
        " sum(CASE WHEN 当前状态 IN (?, ?, ?) THEN 1 ELSE 0 END),"
        " sum(实际收费), sum(毛利), sum(配件费用), sum(维修费用), sum(附加费用)"
        " FROM 维修 WHERE 返回日期 >= ? AND 返回日期 < ? GROUP BY 技术员"), values);
    QHash<QString, Figures> byName;
    while (r.next()) {
        if (r.value(0).isNull())
            continue;
        Figures f;
        f.jobs = r.value(1).toLongLong();
        f.cancelled = r.value(2).toLongLong();
        f.inHand = r.value(3).toLongLong();
        f.amount = r.value(4).toLongLong();
        f.profit = r.value(5).toLongLong();
        f.partsFees = r.value(6).toLongLong();
        f.labourFees = r.value(7).toLongLong();
        f.extraFees = r.value(8).toLongLong();
        byName.insert(r.value(0).toString(), f);
    }

    const std::vector<Ranked> rows = rowsOf(m_db, T::Table, T::Name, only);
    std::vector<Figures> figures;
    std::vector<qint64> by;
    for (const Ranked &row : rows) {
        figures.push_back(byName.value(row.name));
        by.push_back(order == TechnicianOrder::Turnover ? figures.back().amount : figures.back().profit);
    }
    const std::vector<qint64> ranks = ranksOf(by);

    TransactionGuard tx(m_db);
    Sql::Prepared write(m_db, QStringLiteral("UPDATE %1 SET %2 = ?, %3 = ?, %4 = ?, %5 = ?, %6 = ?, %7 = ?, %8 = ?, %9 = ?, %10 = ? WHERE %11 = ?")
                                  .arg(table(T::Table), q(T::Jobs), q(T::CancelledJobs), q(T::JobsInHand), q(T::TotalAmount),
                                       q(T::TotalProfit), q(T::PartsFees), q(T::LabourFees), q(T::ExtraFees))
                                  .arg(q(T::Rank), RowKey::column()));
    for (size_t i = 0; i < rows.size(); ++i) {
        const Figures &f = figures[i];
        write.run({f.jobs, f.cancelled, f.inHand, f.amount, f.profit, f.partsFees, f.labourFees, f.extraFees, ranks[i],
                   rows[i].key});
    }
    tx.commit();
    return qint64(rows.size());
}

qint64 MonthlyRankings::rankParts(const MonthRange &month, const Progress &progress)
{
    namespace P = PartsCatalogTable;
    QVariantList values{StockLedger::RepairUseReason, SaleReason};
    values << bounds(month);
    const QHash<QString, qint64> lines = countsBy(Sql::exec(m_db, QStringLiteral(
        "SELECT 编号, count(*) FROM 出库单 WHERE 出库原因 IN (?, ?) AND 填单时间 >= ? AND 填单时间 < ? GROUP BY 编号"),
        values));

    // The stored figures too: a row whose figure and rank stay as they are is not written again.
    QSqlQuery r = Sql::exec(m_db, QStringLiteral("SELECT %1, %2, %3, %4 FROM %5 ORDER BY %1")
                                      .arg(RowKey::column(), q(P::PartNo), q(P::SoldThisMonth), q(P::Rank), table(P::Table)));
    struct Row
    {
        qint64 key;
        QVariant sold;
        QVariant rank;
    };
    std::vector<Row> rows;
    std::vector<qint64> sold;
    while (r.next()) {
        rows.push_back({r.value(0).toLongLong(), r.value(2), r.value(3)});
        sold.push_back(lines.value(r.value(1).toString()));
    }
    const std::vector<qint64> ranks = ranksOf(sold);

    TransactionGuard tx(m_db);
    Sql::Prepared write(m_db, QStringLiteral("UPDATE %1 SET %2 = ?, %3 = ? WHERE %4 = ?")
                                  .arg(table(P::Table), q(P::SoldThisMonth), q(P::Rank), RowKey::column()));
    Steps steps(progress, qint64(rows.size()));
    for (size_t i = 0; i < rows.size(); ++i) {
        const Row &row = rows[i];
        const bool same = !row.sold.isNull() && !row.rank.isNull() && row.sold.toLongLong() == sold[i]
                          && row.rank.toLongLong() == ranks[i];
        if (!same)
            write.run({sold[i], ranks[i], row.key});
        steps.done(qint64(i) + 1);
    }
    tx.commit();
    return qint64(rows.size());
}

qint64 MonthlyRankings::rankCustomers(const MonthRange &month, const Progress &progress)
{
    namespace C = CustomerTable;
    namespace R = CustomerRankingTable;
    // Charges of the ended repairs taken in during the month, and the month's sales. The state is
    // tested on the month's rows: its own index would read every ended job of the file.
    QVariantList repairValues{RepairState::Ended};
    repairValues << bounds(month);
    QHash<QString, qint64> amounts = countsBy(Sql::exec(m_db, QStringLiteral(
        "SELECT 客户, sum(CASE WHEN 当前状态 = ? THEN 实际收费 END) FROM 维修"
        " WHERE 接修日期 >= ? AND 接修日期 < ? GROUP BY 客户"),
        repairValues));
    const QHash<QString, qint64> sales = countsBy(Sql::exec(m_db, QStringLiteral(
        "SELECT 客户名称, sum(实收款) FROM 销售 WHERE 日期 >= ? AND 日期 < ? GROUP BY 客户名称"), bounds(month)));
    for (auto it = sales.cbegin(); it != sales.cend(); ++it)
        amounts[it.key()] += it.value();

    // The directory's rows of the month's customers, in its order: only they can have business.
    QVariantList values = bounds(month);
    values << bounds(month);
    QSqlQuery r = Sql::exec(m_db, QStringLiteral(
        "SELECT %1, %2, %3, %4 FROM %5 WHERE %1 IN ("
        " SELECT 客户 FROM 维修 WHERE 接修日期 >= ? AND 接修日期 < ?"
        " UNION ALL SELECT 客户名称 FROM 销售 WHERE 日期 >= ? AND 日期 < ?) ORDER BY %6")
        .arg(q(C::Name), q(C::Company), q(C::Class), q(C::Phone), table(C::Table), q(C::Key)), values);
    struct Row
    {
        QString name, company, customerClass, phone;
        qint64 amount;
    };
    std::vector<Row> rows;
    std::vector<qint64> figures;
    while (r.next()) {
        const qint64 amount = amounts.value(r.value(0).toString());
        if (amount <= 0)
            continue;
        rows.push_back({r.value(0).toString(), r.value(1).toString(), r.value(2).toString(), r.value(3).toString(), amount});
        figures.push_back(amount);
    }
    const std::vector<qint64> ranks = ranksOf(figures);

    TransactionGuard tx(m_db);
    Sql::exec(m_db, QStringLiteral("DELETE FROM ") + table(R::Table));
    Sql::Prepared write(m_db, QStringLiteral("INSERT INTO %1 (%2, %3, %4, %5, %6, %7) VALUES (?, ?, ?, ?, ?, ?)")
                                  .arg(table(R::Table), q(R::Name), q(R::Company), q(R::Class), q(R::Amount), q(R::Phone),
                                       q(R::Rank)));
    Steps steps(progress, qint64(rows.size()));
    for (size_t i = 0; i < rows.size(); ++i) {
        const Row &row = rows[i];
        write.run({row.name, row.company, row.customerClass, row.amount, row.phone, ranks[i]});
        steps.done(qint64(i) + 1);
    }
    tx.commit();
    return qint64(rows.size());
}

qint64 MonthlyRankings::rankFollowUpStaff(const MonthRange &month)
{
    namespace S = FollowUpStaffTable;
    const QHash<QString, qint64> visits = countsBy(Sql::exec(m_db, QStringLiteral(
        "SELECT 回访员, count(*) FROM 回访 WHERE 回访时间 >= ? AND 回访时间 < ? GROUP BY 回访员"), bounds(month)));
    const std::vector<Ranked> rows = rowsOf(m_db, S::Table, S::Name);
    std::vector<qint64> counts;
    for (const Ranked &row : rows)
        counts.push_back(visits.value(row.name));
    const std::vector<qint64> ranks = ranksOf(counts);

    TransactionGuard tx(m_db);
    Sql::Prepared write(m_db, QStringLiteral("UPDATE %1 SET %2 = ?, %3 = ? WHERE %4 = ?")
                                  .arg(table(S::Table), q(S::Visits), q(S::Rank), RowKey::column()));
    for (size_t i = 0; i < rows.size(); ++i)
        write.run({counts[i], ranks[i], rows[i].key});
    tx.commit();
    return qint64(rows.size());
}
