#pragma once

#include "core/customers/CustomerRecord.h"
#include "core/followup/FollowUpVisit.h"
#include "core/repair/RepairJob.h"

#include <QList>
#include <optional>

// Everything the follow-up screens show about the current visit: the visit's row, its customer
// in the directory and, for a repair, the job with its part lines. Each part is empty when it is
// not in the file.
struct FollowUpDetails
{
    std::optional<FollowUpVisit> visit;
    std::optional<CustomerRecord> customer;
    std::optional<RepairJob> repair;
    QList<RepairPartLine> parts;
};
