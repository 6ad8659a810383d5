#pragma once

#include "forms/bills/BillLineModel.h"

#include <QDate>
#include <QStringList>

struct AppContext;

// "商品出库": a stock-out bill of up to seven lines for reasons other than a sale or a repair.
// Checks every line before anything is written (a part without a stock row included), then
// writes the bill and lowers the stock rows in one transaction.
class StockOutForm
{
public:
    static constexpr int LineCount = 7;
    enum Column { PartNo, Name, Category, Unit, Model, Quantity, Remarks, ColumnCount };
    static BillDeclaration bill();
    static const QStringList &reasons();

    enum class Outcome {
        Refused,       // a check failed (message shown); nothing written
        SavedContinue, // saved; the screen stays open with a new bill number
        SavedClose,    // saved; the screen closes
    };

    explicit StockOutForm(AppContext &ctx);
    AppContext &ctx() const { return m_ctx; }

    // Header fields.
    QString billNumber;
    QString handledBy;
    QDate date;
    QString reason;
    bool continueAfterSave = true;

    // On show: operator, bill number, reason, today.
    void open();

    BillLineModel &lines() { return m_lines; }
    const BillLineModel &lines() const { return m_lines; }

    // "清空[&E]": every cell of every line.
    void clear() { m_lines.clear(); }
    // "出库[&O]".
    Outcome stockOut();

private:
    AppContext &m_ctx;
    BillLineModel m_lines;
};
