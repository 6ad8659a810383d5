#pragma once

#include "data/catalogs/PartRecord.h"
#include "forms/catalogs/PartsChoice.h"

#include <QDate>
#include <QList>
#include <QStringList>
#include <array>

struct AppContext;

// "配件入库": a stock-in bill of up to eleven lines. Holds the header fields and the grid texts;
// checks every line before anything is written, then writes the bill, the catalog rows the
// operator agreed to add and the stock rows in one transaction.
class StockInForm
{
public:
    static constexpr int LineCount = 11;
    enum Column { PartNo, Name, Category, Unit, Model, Quantity, Price, Amount, Warranty, Remarks, ColumnCount };
    static const QStringList &headers();
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

    QString cell(int line, int column) const { return m_grid[line][column]; }
    // Sets a cell's text without any reaction (what the grid holds).
    void setCell(int line, int column, const QString &text) { m_grid[line][column] = text; }
    // A cell's text was changed by typing: a known part number fills its line; a non-number in
    // quantity, price or amount is reported. Returns the columns of the line that changed.
    QList<int> cellEdited(int line, int column);
    // A cell was selected: selecting quantity, price or amount recomputes the amount.
    // True when the amount changed.
    bool cellSelected(int line, int column);
    // A part chosen with the picker for a line.
    void applyChoice(int line, const PartChoice &choice);
    // "清空[&C]": every cell of every line.
    void clear();
    // "入库[&I]".
    Outcome stockIn();

    static QString lineMessage(int line, const QString &text); // line 0-based

private:
    void fillFromPart(int line, const PartRecord &part);

    AppContext &m_ctx;
    QStringList m_suppliers;
    std::array<std::array<QString, ColumnCount>, LineCount> m_grid;
};
