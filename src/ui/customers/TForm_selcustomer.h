#pragma once

#include "forms/customers/CustomerPickerForm.h"
#include "ui/lists/Picker.h"

// "请选择客户": the customer picker.
class TForm_selcustomer : public Picker<TForm_selcustomer, CustomerPickerForm>
{
    Q_OBJECT
public:
    explicit TForm_selcustomer(AppContext &ctx, QWidget *parent = nullptr);

    // Shows it modally: the chosen customer, or nullopt when it was closed without a choice.
    static std::optional<CustomerRecord> pick(AppContext &ctx, QWidget *parent = nullptr) { return ask(ctx, parent); }
};
