#include "data/catalogs/PartsCatalogTable.h"

#include "data/catalogs/PartRecord.h"
#include "data/db/TableMap.h"

const TableMap<PartRecord> &PartsCatalogTable::map()
{
    static const auto m = TableMap<PartRecord>(QString::fromUtf8(Table))
                              .column(Key, &PartRecord::key)
                              .column(PartNo, &PartRecord::partNo)
                              .column(Name, &PartRecord::name)
                              .column(Model, &PartRecord::model)
                              .column(Category, &PartRecord::category)
                              .column(Unit, &PartRecord::unit)
                              .column(WarningLevel, &PartRecord::warningLevel)
                              .column(SalePrice, &PartRecord::salePrice)
                              .column(RepairPrice, &PartRecord::repairPrice);
    return m;
}
