#include "forms/customers/CustomerDocumentRows.h"

#include "data/customers/CustomerTable.h"
#include "data/lists/ListRows.h"

std::shared_ptr<RowSource> CustomerDocumentRows::of(Database &db, const ListQuery &shown, const QStringList &columns)
{
    ListQuery q = shown;
    q.columns.clear();
    for (const QString &name : columns)
        q.columns << ListColumn::of(Schema::column(QString::fromUtf8(CustomerTable::Table), name), name);
    return std::make_shared<ListRows>(db, std::move(q));
}
