#pragma once

#include "forms/stock/StockMoveForm.h"

// "商品出库": a stock-out bill of up to seven lines for reasons other than a sale or a repair.
// Checks every line before anything is written (a part without a stock row included), then
// writes the bill and lowers the stock rows in one transaction.
class StockOutForm : public StockMoveForm
{
public:
    static constexpr int LineCount = 7;
    enum Column { PartNo, Name, Category, Unit, Model, Quantity, Remarks, ColumnCount };
    static BillDeclaration bill();
    static const QStringList &reasons();

    explicit StockOutForm(AppContext &ctx);

    // "出库[&O]".
    Outcome stockOut();
};
