#include "forms/catalogs/OtherSetForm.h"

#include "data/catalogs/CatalogStore.h"
#include "data/catalogs/TermsTable.h"
#include "forms/app/AppContext.h"

namespace {
CatalogStore terms(AppContext &ctx)
{
    namespace T = TermsTable;
    return CatalogStore(ctx.database(), {T::PickupValidity, T::Clause1, T::Clause2, T::Clause3});
}
}

void OtherSetForm::load()
{
    CatalogStore store = terms(m_ctx);
    QList<CatalogRow> rows = store.fetch(CatalogFilter::all(), 1);
    if (rows.isEmpty()) {
        store.insert({DefaultValidity, QString(), QString(), QString()});
        rows = store.fetch(CatalogFilter::all(), 1);
    }
    const CatalogRow &r = rows.constFirst();
    m_key = r.key;
    validity = r.values.value(0);
    clause1 = r.values.value(1);
    clause2 = r.values.value(2);
    clause3 = r.values.value(3);
}

void OtherSetForm::confirm()
{
    if (m_key == 0)
        return;
    terms(m_ctx).update(m_key, {validity, clause1, clause2, clause3});
}
