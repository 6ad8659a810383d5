#pragma once

#include "core/customers/CustomerRecord.h"
#include "forms/lists/PickerForm.h"

#include <optional>

// The customer picker ("请选择客户", CustomerDeclarations::picker()): a chosen row hands back the
// customer.
class CustomerPickerForm : public PickerForm
{
public:
    using Choice = CustomerRecord;

    explicit CustomerPickerForm(AppContext &ctx);

    // The customer on a listed row, read from the directory now; nullopt when there is no such row.
    std::optional<CustomerRecord> choiceAt(int row) const;
};
