#pragma once

#include "core/app/Money.h"
#include "core/sales/PartDetails.h"

#include <QString>
#include <optional>

// A unit found among the sold goods by its serial number, with what the sale and its stock-out
// line say of it.
struct SoldUnit
{
    QString saleNumber; // "单据编号" of the sale line found
    Money price;        // that line's "单价"
    // From the sale's stock-out line of the same part: number, name, category, model (规格) and
    // warranty; nullopt when the sale has no such line.
    std::optional<PartDetails> part;
    QString soldOn; // that stock-out line's "填单时间"
    // The sale's customer, or that of the repair job whose stock-out bill is the sale number;
    // nullopt when neither is found.
    std::optional<QString> customer;
};
