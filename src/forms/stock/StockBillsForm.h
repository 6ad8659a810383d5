#pragma once

#include "core/stock/StockBillSheet.h"
#include "forms/lists/ListForm.h"

#include <memory>

// "入库单" and "出库单": the stock bills of one kind, one row per bill (the distinct header values
// of its lines, newest first) with seven searches on the lines, and the lines of the selected bill
// below. Both lists only read: a bill's lines are changed by the movements that wrote them.
class StockBillsForm : public ListForm
{
public:
    enum class Kind { StockIn, StockOut };

    StockBillsForm(AppContext &ctx, Kind kind);
    ~StockBillsForm() override;

    static ListDeclaration declarationFor(Kind kind);
    // The columns of the lower list.
    static QList<ListColumn> lineColumns(Kind kind);
    Kind kind() const { return m_kind; }

    // On show: every bill.
    void open() { load(); }

    // The lower list: the lines of the bill in the row, in the order written (-1: none).
    ListModel &lines() { return *m_lines; }
    const ListModel &lines() const { return *m_lines; }
    void showLines(int row);
    QString number(int row) const;

    // "打印单据": the row's header (its number, reason, operator, date and for stock-in its supplier)
    // with every line of its number.
    StockBillSheet sheet(int row) const;

private:
    AppContext &m_ctx;
    Kind m_kind;
    std::unique_ptr<ListModel> m_lines;
};
