#pragma once

#include "core/app/Money.h"

// What the shop has done with one customer: its repairs (and how many are still in hand), its
// sales (and how many were returned or exchanged) and the money of both.
struct CustomerDealings
{
    int repairs = 0;     // every repair, whatever its state
    int repairsOpen = 0; // still in hand: 待检测, 待维修, 待结算, 待收费
    int sales = 0;
    int returns = 0;     // returns and exchanges
    Money repairMoney;   // "实际收费" of every repair
    Money saleMoney;     // "实收款" of every sale
    Money due;           // "费用合计" of the repairs in hand

    Money total() const { return repairMoney + saleMoney; }
};
