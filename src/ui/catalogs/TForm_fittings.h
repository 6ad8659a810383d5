#pragma once

#include "forms/catalogs/PartsPickerForm.h"
#include "ui/lists/Picker.h"

// "请选择配件": the part picker. Callers use choose().
class TForm_fittings : public Picker<TForm_fittings, PartsPickerForm>
{
    Q_OBJECT
public:
    using Picker::Picker;
};
