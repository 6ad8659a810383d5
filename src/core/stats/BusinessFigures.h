#pragma once

#include "core/app/Money.h"

// The shop's business over a period (a day, a month): what the current situation shows.
struct BusinessFigures
{
    // Repair takings ("预付款" + "实际收费" of the jobs ended in the period) and sales takings
    // ("实收款" of the sales of the period).
    Money turnover;
    // "毛利" of the same jobs and sales.
    Money profit;
    int registered = 0; // jobs taken in ("接修日期" in the period)
    int finished = 0;   // jobs with their "返回日期" in the period, whatever their state (cancelled ones too)
    Money sales;        // the sales takings alone
};
