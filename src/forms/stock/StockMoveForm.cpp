#include "forms/stock/StockMoveForm.h"

#include "data/stock/BillNumbers.h"
#include "forms/app/AppContext.h"
#include "forms/app/Prompter.h"

StockMoveForm::StockMoveForm(AppContext &ctx, BillDeclaration declaration, BillKind kind, const QStringList &reasons)
    : BillForm(ctx, std::move(declaration)), m_kind(kind), m_reasons(reasons)
{
}

void StockMoveForm::open()
{
    handledBy = m_ctx.OperatorName;
    billNumber = nextNumber(m_kind);
    reason = m_reasons.first();
    date = m_ctx.today();
}

StockMoveForm::Outcome StockMoveForm::saved(const QString &message)
{
    m_ctx.prompt().information(message);
    clear();
    if (!continueAfterSave)
        return Outcome::SavedClose;
    billNumber = nextNumber(m_kind);
    return Outcome::SavedContinue;
}
