#include "forms/bills/BillForm.h"

#include "data/stock/BillNumbers.h"
#include "forms/app/AppContext.h"

BillForm::BillForm(AppContext &ctx, BillDeclaration declaration) : m_ctx(ctx), m_lines(ctx, std::move(declaration)) {}

QString BillForm::nextNumber(BillKind kind) const
{
    return BillNumbers(m_ctx.database()).NextBillNumber(kind, m_ctx.today());
}
