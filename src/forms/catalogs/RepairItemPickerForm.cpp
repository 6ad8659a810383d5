#include "forms/catalogs/RepairItemPickerForm.h"

#include "data/catalogs/CatalogStore.h"
#include "data/catalogs/RepairItemTable.h"
#include "forms/app/AppContext.h"

QList<RepairItemChoice> RepairItemPickerForm::items() const
{
    QList<RepairItemChoice> out;
    const CatalogStore store(m_ctx.database(), {RepairItemTable::Name, RepairItemTable::Charge});
    for (const CatalogRow &r : store.all())
        out << RepairItemChoice{r.values.value(0), Money::parse(r.values.value(1)).value_or(Money())};
    return out;
}
