#pragma once

#include "core/app/Money.h"

#include <QString>

// One month of the monthly business history, as "月度情况" keeps it.
struct MonthSituation
{
    QString month;  // "1月份" … "12月份"
    Money turnover; // "销售额": repair and sales takings of the month
    Money profit;   // "毛利"

    static QString label(int month) { return QString::number(month) + QStringLiteral("月份"); }
};
