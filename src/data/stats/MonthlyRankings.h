#pragma once

#include "core/app/DateText.h"

#include <QString>
#include <functional>
#include <optional>

class Database;

// The four monthly rankings. Each one sums its month with one grouped statement per source table
// over the half-open range [first, next) of the month's dates, joins the sums to the rows it
// ranks in memory, and writes every result in one transaction: the figures land whole or the
// previous ranking stays. Ranks are 1, 2, 3 … by the figure, highest first; rows with equal
// figures keep the order of their table.
//
// The figures are kept in the ranked rows themselves, for the screens to list:
// - "技术员目录": the technician's repairs returned in the month ("返回日期"), of them cancelled
//   and still in hand ("待检测", "待维修", "待收费"), and the sums of their charges, gross
//   profit and fees;
// - "配件目录" "本月售出": the month's stock-out lines ("出库单", for repair use or sale) of the
//   part, lines and not pieces; parts without any are ranked after the others;
// - "客户排行": emptied and filled with one row per customer of the directory whose month's
//   business is above 0 (charges of the ended repairs taken in during the month, by "接修日期",
//   and received amounts of the month's sales);
// - "回访员" "回访单数量": the follow-ups of any state whose visit day ("回访时间") lies in the month.
class MonthlyRankings
{
public:
    // progress(done, total) while the results are written, at most about a hundred times.
    using Progress = std::function<void(qint64 done, qint64 total)>;

    enum class TechnicianOrder {
        Turnover, // "合计金额"
        Profit,   // "合计毛利"
    };

    explicit MonthlyRankings(Database &db) : m_db(db) {}

    // Every technician, or only the rows named `only` (the technician view: the operator's own
    // row is then ranked on its own). Returns the rows ranked. Throws DbError.
    qint64 rankTechnicians(const MonthRange &month, TechnicianOrder order, const std::optional<QString> &only = {});
    qint64 rankParts(const MonthRange &month, const Progress &progress = {});
    // Returns the customers written to "客户排行".
    qint64 rankCustomers(const MonthRange &month, const Progress &progress = {});
    qint64 rankFollowUpStaff(const MonthRange &month);

private:
    Database &m_db;
};
