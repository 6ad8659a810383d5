#pragma once

#include "core/app/DateText.h"
#include "core/stats/BusinessFigures.h"
#include "core/stats/MonthSituation.h"

#include <QList>
#include <functional>

class Database;

// The shop's turnover, gross profit and job counts, summed and counted by the engine: repair jobs
// by their end date "返回日期" (takings and profit of the ended ones only) and intake date
// "接修日期", sales headers by their date "日期". Reads nothing row by row.
class BusinessStats
{
public:
    explicit BusinessStats(Database &db) : m_db(db) {}

    struct Current
    {
        BusinessFigures day;
        BusinessFigures month;
    };
    // The figures of the day and of the month that holds it, in one statement.
    Current current(const QDate &day) const;

    // The turnover and gross profit of every month of the year, January first, twelve rows
    // labelled "1月份" … "12月份" (0 for a month without business), in one grouped statement.
    QList<MonthSituation> months(int year) const;

    // "月度情况" holds exactly these rows afterwards, in this order: one transaction.
    // progress(n) after the n-th row is written.
    void storeMonths(const QList<MonthSituation> &months, const std::function<void(int)> &progress = {});
    // The rows of "月度情况" in the order they were written.
    QList<MonthSituation> storedMonths() const;

private:
    Database &m_db;
};
