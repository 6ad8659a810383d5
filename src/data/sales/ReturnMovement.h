#pragma once

#include "core/sales/PartDetails.h"
#include "data/catalogs/PartRecord.h"

#include <optional>

// What a return or exchange moves besides its "退换" row.
struct ReturnMovement
{
    // "退货入库": the returned unit goes back into stock (and an exchange's replacement leaves it).
    bool intoStock = false;
    // The returned part, with the unit its catalog entry gives.
    PartDetails returned;
    // A catalog entry for the returned part, which the catalog did not have, that the operator
    // agreed to add.
    std::optional<PartRecord> newCatalogPart;
    // The replacement of an exchange.
    std::optional<PartDetails> replacement;
};
