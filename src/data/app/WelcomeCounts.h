#pragma once

// The counts of waiting work the welcome screen shows.
struct WelcomeCounts
{
    int waitingCheck = 0;   // "待检测"
    int waitingRepair = 0;  // "待维修"
    int waitingCharge = 0;  // "待结算" and "待收费"
    int belowWarning = 0;   // 0 < "库存" < "警戒库存"
};
