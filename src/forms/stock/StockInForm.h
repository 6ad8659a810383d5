#pragma once

#include "forms/stock/StockMoveForm.h"

// "配件入库": a stock-in bill of up to eleven lines. Holds the header fields and the lines;
// checks every line before anything is written, then writes the bill, the catalog rows the
// operator agreed to add and the stock rows in one transaction.
class StockInForm : public StockMoveForm
{
public:
    static constexpr int LineCount = 11;
    enum Column { PartNo, Name, Category, Unit, Model, Quantity, Price, Amount, Warranty, Remarks, ColumnCount };
    static BillDeclaration bill();
    static const QStringList &reasons();

    explicit StockInForm(AppContext &ctx);

    // Header field besides the common ones.
    QString supplier;

    // On show: the common header, the suppliers and the first of them.
    void open() override;
    const QStringList &suppliers() const { return m_suppliers; }

    // "入库[&I]".
    Outcome stockIn();

private:
    QStringList m_suppliers;
};
