#pragma once

#include "data/catalogs/PartRecord.h"
#include "forms/bills/BillLineModel.h"

#include <QDate>
#include <QStringList>

struct AppContext;

// "配件入库": a stock-in bill of up to eleven lines. Holds the header fields and the lines;
// checks every line before anything is written, then writes the bill, the catalog rows the
// operator agreed to add and the stock rows in one transaction.
class StockInForm
{
public:
    static constexpr int LineCount = 11;
    enum Column { PartNo, Name, Category, Unit, Model, Quantity, Price, Amount, Warranty, Remarks, ColumnCount };
    static BillDeclaration bill();
    static const QStringList &reasons();

    enum class Outcome {
        Refused,       // a check failed (message shown); nothing written
        SavedContinue, // saved; the screen stays open with a new bill number
        SavedClose,    // saved; the screen closes
    };

    explicit StockInForm(AppContext &ctx);
    AppContext &ctx() const { return m_ctx; }

    // Header fields.
    QString billNumber;
    QString handledBy;
    QDate date;
    QString supplier;
    QString reason;
    bool continueAfterSave = true;

    // On show: operator, suppliers, bill number, reason, today.
    void open();
    const QStringList &suppliers() const { return m_suppliers; }

    // The eleven lines, as the grid shows and edits them.
    BillLineModel &lines() { return m_lines; }
    const BillLineModel &lines() const { return m_lines; }

    // "清空[&C]": every cell of every line.
    void clear() { m_lines.clear(); }
    // "入库[&I]".
    Outcome stockIn();

private:
    AppContext &m_ctx;
    QStringList m_suppliers;
    BillLineModel m_lines;
};
