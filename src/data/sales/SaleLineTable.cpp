#include "data/sales/SaleLineTable.h"

#include "core/sales/SaleLine.h"
#include "data/db/TableMap.h"

const TableMap<SaleLine> &SaleLineTable::map()
{
    static const auto m = TableMap<SaleLine>(QString::fromUtf8(Table))
                              .column(Number, &SaleLine::number)
                              .column(PartNo, &SaleLine::partNo)
                              .column(Name, &SaleLine::name)
                              .column(Unit, &SaleLine::unit)
                              .column(Quantity, &SaleLine::quantity)
                              .column(UnitPrice, &SaleLine::unitPrice)
                              .column(Amount, &SaleLine::amount)
                              .column(Serials, &SaleLine::serials)
                              .column(Warranty, &SaleLine::warranty)
                              .column(Remarks, &SaleLine::remarks);
    return m;
}
