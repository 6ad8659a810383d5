#include "data/repair/RepairPartTable.h"

#include "core/repair/RepairJob.h"
#include "data/db/TableMap.h"

const TableMap<RepairPartLine> &RepairPartTable::map()
{
    static const auto m = TableMap<RepairPartLine>(QString::fromUtf8(Table))
                              .column(Number, &RepairPartLine::number)
                              .column(PartCode, &RepairPartLine::partCode)
                              .column(PartName, &RepairPartLine::partName)
                              .column(Quantity, &RepairPartLine::quantity)
                              .column(UnitPrice, &RepairPartLine::unitPrice)
                              .column(Total, &RepairPartLine::total)
                              .column(Serial, &RepairPartLine::serial);
    return m;
}
