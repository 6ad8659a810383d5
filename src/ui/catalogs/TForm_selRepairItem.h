#pragma once

#include "forms/catalogs/RepairItemPickerForm.h"
#include "ui/lists/Picker.h"

// "选择维修项目": the repair-item picker over "维修项目目录". Callers use choose(), which
// also hands back nothing when the catalog is empty.
class TForm_selRepairItem : public Picker<TForm_selRepairItem, RepairItemPickerForm>
{
    Q_OBJECT
public:
    using Picker::Picker;
};
