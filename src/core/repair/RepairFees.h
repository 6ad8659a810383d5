#pragma once

#include "core/app/Money.h"

#include <QString>
#include <optional>

// The money rules of a repair job, in Money arithmetic (four decimals, never double).
namespace RepairFees {

// "费用合计": parts fee + labour fee + extra fee.
inline Money total(Money parts, Money labour, Money extra) { return parts + labour + extra; }
// "应收": what is still to be paid, the total less the prepayment.
inline Money amountDue(Money total, Money prepayment) { return total - prepayment; }
// "毛利" of a charged job: what was taken in (charged + prepayment) less the refund and the parts' cost.
inline Money grossProfit(Money charged, Money prepayment, Money refund, Money partsCost)
{
    return charged + prepayment - refund - partsCost;
}

// A fee typed into a box: an empty box reads 0; nullopt for a text that is not an amount.
std::optional<Money> typed(const QString &text);

} // namespace RepairFees
