#include "core/stock/StockRules.h"

Money StockRules::weightedPurchasePrice(Money oldPrice, qint64 oldQuantity, qint64 lineQuantity, Money linePrice)
{
    const qint64 total = oldQuantity + lineQuantity;
    if (oldPrice.units() <= 0 || oldQuantity <= 0 || total <= 0)
        return linePrice;
    const double value = (oldPrice.toDouble() * double(oldQuantity) + linePrice.toDouble() * double(lineQuantity))
                         / double(total);
    return Money::fromDoubleRounded(value);
}

qint64 StockRules::reducedPartsRequest(qint64 requested, qint64 lineQuantity)
{
    if (requested <= 0)
        return requested;
    return requested > lineQuantity ? requested - lineQuantity : 0;
}
