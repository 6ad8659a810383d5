#include "data/repair/RepairPartLines.h"

#include "core/repair/RepairFees.h"
#include "data/db/TableMap.h"
#include "data/db/TransactionGuard.h"
#include "data/repair/RepairPartTable.h"
#include "data/repair/RepairTable.h"
#include "data/stock/StockLedger.h"

namespace {
namespace P = RepairPartTable;
const QList<ColumnRef> &editedColumns()
{
    static const QList<ColumnRef> c = {P::PartCode, P::PartName, P::Serial, P::UnitPrice, P::Quantity, P::Total};
    return c;
}
} // namespace

std::optional<RepairPartLine> RepairPartLines::line(qint64 key) const
{
    return P::map().first(m_db, QStringLiteral("WHERE rowid = ?"), {key});
}

void RepairPartLines::add(const QString &number, const RepairPartLine &line, bool request)
{
    TransactionGuard tx(m_db);
    if (request)
        StockLedger(m_db).requestParts(line.partCode, line.partName, line.quantity);
    RepairPartLine l = line;
    l.number = number;
    l.total = l.unitPrice * l.quantity;
    P::map().insert(m_db, l, QList<ColumnRef>{P::Number} + editedColumns());
    recomputeFees(number);
    tx.commit();
}

bool RepairPartLines::change(qint64 key, const RepairPartLine &line)
{
    TransactionGuard tx(m_db);
    const std::optional<RepairPartLine> stored = this->line(key);
    if (!stored)
        return false;
    RepairPartLine l = line;
    l.total = l.unitPrice * l.quantity;
    P::map().update(m_db, l, editedColumns(), QStringLiteral("rowid = ?"), {key});
    recomputeFees(stored->number);
    tx.commit();
    return true;
}

bool RepairPartLines::remove(qint64 key)
{
    TransactionGuard tx(m_db);
    const std::optional<RepairPartLine> stored = line(key);
    if (!stored)
        return false;
    Sql::exec(m_db, QStringLiteral("DELETE FROM \"配件\" WHERE rowid = ?"), {key});
    recomputeFees(stored->number);
    tx.commit();
    return true;
}

void RepairPartLines::recomputeFees(const QString &number)
{
    namespace R = RepairTable;
    std::optional<RepairJob> job = R::map().first(m_db, QStringLiteral("WHERE \"业务编号\" = ? ORDER BY rowid LIMIT 1"), {number});
    if (!job)
        return;
    Money parts;
    for (const RepairPartLine &l : P::map().all(m_db, QStringLiteral("WHERE \"单据编号\" = ?"), {number}))
        parts += l.unitPrice * l.quantity;
    job->partsFee = parts;
    job->totalFee = RepairFees::total(parts, job->labourFee, job->extraFee);
    R::map().update(m_db, *job, {R::PartsFee, R::TotalFee}, R::Number);
}
