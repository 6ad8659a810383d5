#pragma once

#include "core/app/Money.h"
#include "core/sales/PartDetails.h"

// What the exchange dialog hands back: the unit given in exchange and what the customer pays on
// top (negative: what the shop pays back).
struct ReplacementChoice
{
    PartDetails part;
    Money extraPayment;
};
