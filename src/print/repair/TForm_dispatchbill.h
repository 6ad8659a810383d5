#pragma once

#include "core/app/ShopInfo.h"
#include "core/customers/CustomerRecord.h"
#include "core/repair/RepairJob.h"
#include "print/print/ReportLayout.h"

#include <QDateTime>
#include <optional>

// The dispatch bill: the job and the customer's whereabouts, and a form completed by hand on site.
class TForm_dispatchbill
{
public:
    // job.visitTime is the dispatch date just chosen; a customer missing from the directory
    // leaves phone, contact, address and route empty.
    static ReportLayout layout(const RepairJob &job, const std::optional<CustomerRecord> &customer,
                               const ShopInfo &shop, const QDateTime &printedAt);
};
