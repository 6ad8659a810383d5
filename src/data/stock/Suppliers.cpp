#include "data/stock/Suppliers.h"

#include "data/db/Sql.h"

QStringList Suppliers::names() const
{
    return Sql::column(m_db, QStringLiteral("SELECT \"供应商名称\" FROM \"供应商目录\" ORDER BY rowid"));
}
