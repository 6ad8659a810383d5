#include "forms/catalogs/RepairItemPickerForm.h"

#include "data/catalogs/CatalogStore.h"
#include "data/catalogs/RepairItemTable.h"
#include "forms/app/AppContext.h"
#include "forms/catalogs/PickerDeclarations.h"

RepairItemPickerForm::RepairItemPickerForm(AppContext &ctx) : PickerForm(ctx, PickerDeclarations::repairItems()) {}

std::optional<RepairItemChoice> RepairItemPickerForm::choiceAt(int row) const
{
    const qint64 k = key(row);
    if (k == 0)
        return std::nullopt;
    const CatalogRow r = CatalogStore(m_ctx.database(), {RepairItemTable::Name, RepairItemTable::Charge}).row(k);
    if (!r.isValid())
        return std::nullopt;
    return RepairItemChoice{r.values.value(0), Money::parse(r.values.value(1)).value_or(Money())};
}
