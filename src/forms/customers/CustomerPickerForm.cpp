#include "forms/customers/CustomerPickerForm.h"

#include "data/customers/CustomerStore.h"
#include "forms/app/AppContext.h"
#include "forms/customers/CustomerDeclarations.h"

CustomerPickerForm::CustomerPickerForm(AppContext &ctx) : PickerForm(ctx, CustomerDeclarations::picker()) {}

std::optional<CustomerRecord> CustomerPickerForm::choiceAt(int row) const
{
    const qint64 k = key(row);
    if (k == 0)
        return std::nullopt;
    return CustomerStore(m_ctx.database()).at(k);
}
