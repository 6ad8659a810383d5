#include "data/tools/NotebookStore.h"

#include "data/db/RowKey.h"
#include "data/db/TableMap.h"
#include "data/db/TransactionGuard.h"
#include "data/tools/NotebookTable.h"

QList<Note> NotebookStore::all() const
{
    return NotebookTable::map().all(m_db, QStringLiteral("ORDER BY ") + RowKey::column());
}

void NotebookStore::save(const QList<qint64> &deleted, const QList<Note> &changed, const QList<Note> &added)
{
    const TableMap<Note> &map = NotebookTable::map();
    const QString byKey = RowKey::column() + QStringLiteral(" = ?");
    TransactionGuard tx(m_db);
    for (qint64 key : deleted)
        Sql::exec(m_db, QStringLiteral("DELETE FROM ") + map.quotedTable() + QStringLiteral(" WHERE ") + byKey, {key});
    for (const Note &n : changed)
        map.update(m_db, n, map.writable(), byKey, {n.key});
    for (const Note &n : added)
        map.insert(m_db, n);
    tx.commit();
}
