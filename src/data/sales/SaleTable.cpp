#include "data/sales/SaleTable.h"

#include "core/sales/Sale.h"
#include "data/db/TableMap.h"

const TableMap<Sale> &SaleTable::map()
{
    static const auto m = TableMap<Sale>(QString::fromUtf8(Table))
                              .column(Number, &Sale::number)
                              .column(StockOutNumber, &Sale::stockOutNumber)
                              .column(HandledBy, &Sale::handledBy)
                              .column(Customer, &Sale::customer)
                              .column(Date, &Sale::date)
                              .column(CustomerClass, &Sale::customerClass)
                              .column(Phone, &Sale::phone)
                              .column(Due, &Sale::due)
                              .column(Received, &Sale::received)
                              .column(InvoiceNumber, &Sale::invoiceNumber)
                              .column(Profit, &Sale::profit)
                              .column(Remarks, &Sale::remarks);
    return m;
}

QList<ColumnRef> SaleTable::written()
{
    return {Number, StockOutNumber, HandledBy, Customer, Date, CustomerClass, Phone, Due, Received, InvoiceNumber, Profit};
}
