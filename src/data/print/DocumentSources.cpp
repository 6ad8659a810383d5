#include "data/print/DocumentSources.h"

#include "data/customers/CustomerStore.h"
#include "data/repair/RepairStore.h"

std::optional<CustomerRecord> DocumentSources::customer(const QString &name) const
{
    return CustomerStore(m_db).find(name);
}

QList<RepairPartLine> DocumentSources::partLines(const QString &businessNumber) const
{
    if (businessNumber.isEmpty())
        return {};
    return RepairStore(m_db).parts(businessNumber);
}
