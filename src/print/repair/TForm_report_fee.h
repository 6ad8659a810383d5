#pragma once

#include "core/app/ShopInfo.h"
#include "core/repair/RepairJob.h"
#include "print/print/ReportLayout.h"
#include "print/repair/ChargeListFees.h"

#include <QDate>

// The repair charge list: fees and warranty terms, one line per part, payee and date.
class TForm_report_fee
{
public:
    static ReportLayout layout(const RepairJob &job, const ChargeListFees &fees, const QList<RepairPartLine> &parts,
                               const ShopInfo &shop, const QDate &printedOn);
};
