#include "forms/repair/RepairDocumentData.h"

#include "data/app/ShopInfoStore.h"
#include "data/print/DocumentSources.h"
#include "forms/app/AppContext.h"

ShopInfo RepairDocumentData::shop() const
{
    return ShopInfoStore(m_ctx.database()).load();
}

std::optional<CustomerRecord> RepairDocumentData::customer(const QString &name) const
{
    return DocumentSources(m_ctx.database()).customer(name);
}

QList<RepairPartLine> RepairDocumentData::partLines(const QString &number) const
{
    return DocumentSources(m_ctx.database()).partLines(number);
}
