#include "forms/catalogs/PartsPickerForm.h"

#include "data/catalogs/PartsCatalog.h"
#include "forms/app/AppContext.h"
#include "forms/catalogs/PickerDeclarations.h"

PartsPickerForm::PartsPickerForm(AppContext &ctx) : PickerForm(ctx, PickerDeclarations::parts()) {}

std::optional<PartChoice> PartsPickerForm::choiceAt(int row) const
{
    const qint64 k = key(row);
    if (k == 0)
        return std::nullopt;
    const std::optional<PartRecord> part = PartsCatalog(m_ctx.database()).at(k);
    return part ? std::optional(toChoice(*part)) : std::nullopt;
}

PartChoice PartsPickerForm::toChoice(const PartRecord &p)
{
    return {p.partNo, p.name, p.model, p.category, p.unit, p.warningLevel, p.salePrice.toText()};
}
