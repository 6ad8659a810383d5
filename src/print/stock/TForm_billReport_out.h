#pragma once

#include "core/stock/StockBillSheet.h"
#include "print/print/ReportLayout.h"

// "出库单": one stock-out bill, a line per bill line with its warranty.
class TForm_billReport_out
{
public:
    static ReportLayout layout(const StockBillSheet &bill);
};
