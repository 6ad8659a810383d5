#include "data/stock/StockOutLineTable.h"

#include "data/db/TableMap.h"
#include "data/stock/StockOutLine.h"

const TableMap<StockOutLine> &StockOutLineTable::map()
{
    static const auto m = TableMap<StockOutLine>(QString::fromUtf8(Table))
                              .column(BillNumber, &StockOutLine::billNumber)
                              .column(Date, &StockOutLine::date)
                              .column(HandledBy, &StockOutLine::handledBy)
                              .column(Reason, &StockOutLine::reason)
                              .column(PartNo, &StockOutLine::partNo)
                              .column(PartName, &StockOutLine::partName)
                              .column(Category, &StockOutLine::category)
                              .column(Model, &StockOutLine::model)
                              .column(Unit, &StockOutLine::unit)
                              .column(Quantity, &StockOutLine::quantity)
                              .column(Warranty, &StockOutLine::warranty)
                              .column(Remarks, &StockOutLine::remarks);
    return m;
}
