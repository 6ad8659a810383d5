#pragma once

#include "core/stock/StockSheetRow.h"
#include "print/print/ReportLayout.h"

// "库存商品明细": one framed block of four lines per stock row, every column with its caption.
class TForm_stockdetailReport
{
public:
    // dateText: "当前日期：…年…月…日".
    static ReportLayout layout(const QList<StockSheetRow> &rows, const QString &dateText);
};
