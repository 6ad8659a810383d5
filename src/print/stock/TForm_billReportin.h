#pragma once

#include "core/stock/StockBillSheet.h"
#include "print/print/ReportLayout.h"

// "入库单": one stock-in bill, a line per bill line with its price and amount.
class TForm_billReportin
{
public:
    static ReportLayout layout(const StockBillSheet &bill);
};
