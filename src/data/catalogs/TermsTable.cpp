#include "data/catalogs/TermsTable.h"

#include "core/app/ShopInfo.h"
#include "data/db/TableMap.h"

const TableMap<ShopInfo> &TermsTable::map()
{
    static const auto m = TableMap<ShopInfo>(QString::fromUtf8(Table))
                              .column(PickupValidity, &ShopInfo::pickupTerm)
                              .column(Clause1, &ShopInfo::warrantyClause1)
                              .column(Clause2, &ShopInfo::warrantyClause2)
                              .column(Clause3, &ShopInfo::warrantyClause3);
    return m;
}
