#pragma once

#include "core/app/Money.h"

// The pure rules of a stock row that a stock-in applies.
class StockRules
{
public:
    // The purchase price a stock row gets when `lineQuantity` units at `linePrice` come in:
    // the average weighted by quantity, computed in floating point and rounded once to four
    // decimals. When the row had no price yet (0 or below), or no stock (0 or below, where an
    // average would mean nothing or divide by zero), the line's price is taken as it is.
    static Money weightedPurchasePrice(Money oldPrice, qint64 oldQuantity, qint64 lineQuantity, Money linePrice);

    // Units still asked for after `lineQuantity` units came in: never below 0; a count of 0 or
    // below is left as it is.
    static qint64 reducedPartsRequest(qint64 requested, qint64 lineQuantity);
};
