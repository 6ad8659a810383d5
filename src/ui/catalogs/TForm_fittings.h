#pragma once

#include "forms/catalogs/PartsPickerForm.h"
#include "ui/lists/Picker.h"

// "请选择配件": the part picker.
class TForm_fittings : public Picker<TForm_fittings, PartsPickerForm>
{
    Q_OBJECT
public:
    explicit TForm_fittings(AppContext &ctx, QWidget *parent = nullptr);

    // Shows it modally: the chosen part, or nullopt when it was closed without a choice.
    static std::optional<PartChoice> choose(AppContext &ctx, QWidget *parent = nullptr) { return ask(ctx, parent); }
};
