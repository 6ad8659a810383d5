#include "data/db/TransactionGuard.h"

#include "data/db/Sql.h"

#include <QSqlError>

TransactionGuard::TransactionGuard(Database &db)
    : m_db(db)
{
    QSqlDatabase c = Sql::connection(db);
    if (!c.transaction())
        throw Sql::engineError(c.lastError());
}

TransactionGuard::~TransactionGuard()
{
    if (!m_done && m_db.isOpen())
        Sql::connection(m_db).rollback();
}

void TransactionGuard::commit()
{
    QSqlDatabase c = Sql::connection(m_db);
    if (!c.commit())
        throw Sql::engineError(c.lastError());
    m_done = true;
}
