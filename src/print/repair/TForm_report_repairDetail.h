#pragma once

#include "core/app/ShopInfo.h"
#include "core/customers/CustomerRecord.h"
#include "core/repair/RepairJob.h"
#include "print/print/ReportLayout.h"

#include <QDate>
#include <optional>

// The repair detail sheet (A4): the customer, the job, its fees, one line per part, and the
// print date and page number at the end.
class TForm_report_repairDetail
{
public:
    // underWarranty and dispatched are the detail window's two tick boxes as shown.
    static ReportLayout layout(const RepairJob &job, bool underWarranty, bool dispatched,
                               const std::optional<CustomerRecord> &customer, const QList<RepairPartLine> &parts,
                               const ShopInfo &shop, const QDate &printedOn);
};
