#include "data/stock/StockTable.h"

#include "data/db/TableMap.h"
#include "data/stock/StockRow.h"

const TableMap<StockRow> &StockTable::map()
{
    static const auto m = TableMap<StockRow>(QString::fromUtf8(Table))
                              .rowKey(&StockRow::key)
                              .column(PartNo, &StockRow::partNo)
                              .column(Name, &StockRow::name)
                              .column(Category, &StockRow::category)
                              .column(Model, &StockRow::model)
                              .column(Unit, &StockRow::unit)
                              .column(Quantity, &StockRow::quantity)
                              .column(WarningLevel, &StockRow::warningLevel)
                              .column(Supplier, &StockRow::supplier)
                              .column(PurchasePrice, &StockRow::purchasePrice)
                              .column(Warranty, &StockRow::warranty)
                              .column(Remarks, &StockRow::remarks)
                              .column(Requested, &StockRow::requested);
    return m;
}
