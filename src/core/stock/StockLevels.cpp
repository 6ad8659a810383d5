#include "core/stock/StockLevels.h"

qint64 StockLevels::wholeYuan(Money value)
{
    const qint64 units = value.units();
    const qint64 half = Money::Scale / 2;
    return units >= 0 ? (units + half) / Money::Scale : -((-units + half) / Money::Scale);
}
