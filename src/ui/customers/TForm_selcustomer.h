#pragma once

#include "forms/customers/CustomerPickerForm.h"
#include "ui/lists/Picker.h"

// "请选择客户": the customer picker. Callers use pick() (choose() by another name).
class TForm_selcustomer : public Picker<TForm_selcustomer, CustomerPickerForm>
{
    Q_OBJECT
public:
    using Picker::Picker;

    static std::optional<CustomerRecord> pick(AppContext &ctx, QWidget *parent = nullptr) { return choose(ctx, parent); }
};
