#pragma once

#include "data/catalogs/PartRecord.h"
#include "forms/catalogs/PartsChoice.h"
#include "forms/lists/PickerForm.h"

#include <optional>

// The part picker ("请选择配件", PickerDeclarations::parts()): a chosen row hands back the part.
class PartsPickerForm : public PickerForm
{
public:
    using Choice = PartChoice;

    explicit PartsPickerForm(AppContext &ctx);

    // The part on a listed row, read from the catalog now; nullopt when there is no such row.
    std::optional<PartChoice> choiceAt(int row) const;

    static PartChoice toChoice(const PartRecord &p);
};
