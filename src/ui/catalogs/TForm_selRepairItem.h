#pragma once

#include "forms/catalogs/RepairItemPickerForm.h"
#include "ui/lists/Picker.h"

// "选择维修项目": the repair-item picker over "维修项目目录".
class TForm_selRepairItem : public Picker<TForm_selRepairItem, RepairItemPickerForm>
{
    Q_OBJECT
public:
    explicit TForm_selRepairItem(AppContext &ctx, QWidget *parent = nullptr);

    // Shows it modally: the chosen item, or nullopt when it was closed without a choice or the
    // catalog is empty.
    static std::optional<RepairItemChoice> choose(AppContext &ctx, QWidget *parent = nullptr) { return ask(ctx, parent); }
};
