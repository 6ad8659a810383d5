#include "data/sales/ReturnExchangeTable.h"

#include "core/sales/ReturnExchange.h"
#include "data/db/TableMap.h"

const TableMap<ReturnExchange> &ReturnExchangeTable::map()
{
    static const auto m = TableMap<ReturnExchange>(QString::fromUtf8(Table))
                              .column(Number, &ReturnExchange::number)
                              .column(Date, &ReturnExchange::date)
                              .column(HandledBy, &ReturnExchange::handledBy)
                              .column(Customer, &ReturnExchange::customer)
                              .column(Kind, &ReturnExchange::kind)
                              .column(ReturnedPartNo, &ReturnExchange::returnedPartNo)
                              .column(ReturnedSerial, &ReturnExchange::returnedSerial)
                              .column(ReplacementPartNo, &ReturnExchange::replacementPartNo)
                              .column(ReplacementSerial, &ReturnExchange::replacementSerial)
                              .column(Refund, &ReturnExchange::refund)
                              .column(ExtraPayment, &ReturnExchange::extraPayment)
                              .column(Remarks, &ReturnExchange::remarks);
    return m;
}

QList<ColumnRef> ReturnExchangeTable::written(bool exchange)
{
    QList<ColumnRef> c = {Number, Date, HandledBy, Customer, Kind, ReturnedPartNo, ReturnedSerial, Remarks};
    if (exchange)
        c << ReplacementPartNo << ReplacementSerial << ExtraPayment;
    else
        c << Refund;
    return c;
}
