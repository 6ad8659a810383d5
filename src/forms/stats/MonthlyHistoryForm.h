#pragma once

#include "core/stats/MonthSituation.h"

#include <QList>
#include <functional>

struct AppContext;

// "月经营历程": the turnover and gross profit of each month of the current year, computed anew
// and kept in "月度情况" (which then holds exactly these twelve rows) each time the screen opens.
class MonthlyHistoryForm
{
public:
    static constexpr int Steps = 12; // the progress window's range: one step per month written

    explicit MonthlyHistoryForm(AppContext &ctx) : m_ctx(ctx) {}

    // Sums the year's months and rewrites "月度情况" with them (all or nothing), then reads the
    // rows back for the chart; progress(n) once month n is written. Throws DbError.
    void rebuild(const std::function<void(int)> &progress = {});
    const QList<MonthSituation> &months() const { return m_months; }
    int year() const;

private:
    AppContext &m_ctx;
    QList<MonthSituation> m_months;
};
