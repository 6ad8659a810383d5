#include "data/customers/CustomerTable.h"

#include "core/customers/CustomerRecord.h"
#include "data/db/TableMap.h"

const TableMap<CustomerRecord> &CustomerTable::map()
{
    static const auto m = TableMap<CustomerRecord>(QString::fromUtf8(Table))
                              .column(Name, &CustomerRecord::name)
                              .column(Class, &CustomerRecord::customerClass)
                              .column(Company, &CustomerRecord::company)
                              .column(Contact, &CustomerRecord::contact)
                              .column(Manager, &CustomerRecord::manager)
                              .column(Phone, &CustomerRecord::phone)
                              .column(Fax, &CustomerRecord::fax)
                              .column(Address, &CustomerRecord::address)
                              .column(PostCode, &CustomerRecord::postCode)
                              .column(Email, &CustomerRecord::email)
                              .column(TaxNumber, &CustomerRecord::taxNumber)
                              .column(Account, &CustomerRecord::account)
                              .column(Route, &CustomerRecord::route)
                              .column(Registered, &CustomerRecord::registered)
                              .column(Remarks, &CustomerRecord::remarks);
    return m;
}
