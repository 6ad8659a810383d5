#pragma once

#include "forms/bills/BillForm.h"

#include <QDate>
#include <QStringList>

enum class BillKind;

// The common part of the stock-in and stock-out bills: their header (number, operator, date,
// reason), the choice to go on with a new bill after a save, and what a save leads to.
class StockMoveForm : public BillForm
{
public:
    enum class Outcome {
        Refused,       // a check failed (message shown); nothing written
        SavedContinue, // saved; the screen stays open with a new bill number
        SavedClose,    // saved; the screen closes
    };

    // Header fields.
    QString billNumber;
    QString handledBy;
    QDate date;
    QString reason;
    bool continueAfterSave = true;

    virtual ~StockMoveForm() = default;

    // On show: operator, bill number, the first reason, today.
    virtual void open();

protected:
    StockMoveForm(AppContext &ctx, BillDeclaration declaration, BillKind kind, const QStringList &reasons);

    // After a bill was written: `message` shown, the lines cleared and, when the operator goes
    // on, the next bill's number.
    Outcome saved(const QString &message);

private:
    BillKind m_kind;
    QStringList m_reasons;
};
