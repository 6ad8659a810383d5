#pragma once

#include "forms/catalogs/RepairItemChoice.h"
#include "forms/lists/PickerForm.h"

#include <optional>

// The repair-item picker ("选择维修项目", PickerDeclarations::repairItems()): a chosen row hands
// back the item and its charge (an empty charge counts as none).
class RepairItemPickerForm : public PickerForm
{
public:
    using Choice = RepairItemChoice;

    explicit RepairItemPickerForm(AppContext &ctx);

    // The item on a listed row, read from the catalog now; nullopt when there is no such row.
    std::optional<RepairItemChoice> choiceAt(int row) const;
};
