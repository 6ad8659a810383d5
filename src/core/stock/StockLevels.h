#pragma once

#include "core/app/Money.h"

// How stock rows are judged against their warning level ("警戒库存") and how the stock's value is
// shown. Three places judge a row, each by its own rule:
// - the welcome screen counts the rows with some stock left below their level (0 < 库存 < 警戒库存);
// - the current stock's list "低于警戒库存" holds every row below its level, none or negative
//   stock included (库存 < 警戒库存);
// - the current stock draws red every row at or below its level (警戒库存 >= 库存), so a row
//   with both at 0 is red.
class StockLevels
{
public:
    static bool countedAsBelowWarning(qint64 quantity, qint64 warningLevel)
    {
        return quantity > 0 && quantity < warningLevel;
    }
    static bool listedAsBelowWarning(qint64 quantity, qint64 warningLevel) { return quantity < warningLevel; }
    static bool drawnAsWarning(qint64 quantity, qint64 warningLevel) { return warningLevel >= quantity; }

    // The total purchase value as "库存总金额：" shows it: whole yuan, rounded half away from zero.
    static qint64 wholeYuan(Money value);
};
