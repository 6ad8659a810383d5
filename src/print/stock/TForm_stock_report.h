#pragma once

#include "core/stock/StockSheetRow.h"
#include "print/print/ReportLayout.h"

// "当前库存列表": one line per stock row (number, name, category, stock), the total stock value
// and the date.
class TForm_stock_report
{
public:
    // totalValue: the text of "库存总金额："; dateText: "当前日期：…年…月…日".
    static ReportLayout layout(const QList<StockSheetRow> &rows, const QString &totalValue, const QString &dateText);
};
