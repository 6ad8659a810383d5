#pragma once

#include "core/sales/Sale.h"
#include "core/sales/SaleLine.h"
#include "print/print/ReportLayout.h"

#include <QList>

// The sales bill ("销售单"): the sale's number, date, operator, customer and amounts over a
// table of its lines, one row per line.
class TForm_reportsellbill
{
public:
    static ReportLayout layout(const Sale &sale, const QList<SaleLine> &lines);
};
