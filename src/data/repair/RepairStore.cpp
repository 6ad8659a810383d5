#include "data/repair/RepairStore.h"

#include "core/repair/RepairState.h"
#include "data/catalogs/BrandTable.h"
#include "data/catalogs/FaultTable.h"
#include "data/catalogs/RepairClassTable.h"
#include "data/catalogs/RepairConditionTable.h"
#include "data/catalogs/TechnicianTable.h"
#include "data/customers/CustomerClassTable.h"
#include "data/customers/CustomerStore.h"
#include "data/customers/CustomerTable.h"
#include "data/db/TableMap.h"
#include "data/db/TransactionGuard.h"
#include "data/repair/RepairPartTable.h"
#include "data/repair/RepairTable.h"

namespace {
namespace R = RepairTable;

// The columns a new job is written with; the rest stay empty until the job moves on.
QList<ColumnRef> newJobColumns(const RepairJob &job)
{
    QList<ColumnRef> cols = {R::Number,   R::IntakeDate,   R::IntakeTime, R::ItemName,    R::ItemSerial,
                             R::Accessories, R::Fault,     R::HandledBy,  R::Technician,  R::Customer,
                             R::IntakeKind, R::ItemCategory, R::ItemBrand, R::Appointment, R::ServiceMode,
                             R::Prepayment, R::Rework,     R::Remarks,    R::State};
    if (job.rework.isEmpty())
        cols << R::UnderWarranty; // the rework screen has no warranty box
    else
        cols << R::Refund;        // only a rework job carries a refund
    return cols;
}
} // namespace

void RepairStore::registerJob(const RepairJob &job, const CustomerRecord &customer, CustomerWrite write)
{
    if (job.number.trimmed().isEmpty())
        throw DbError(EmptyNumberMessage);
    TransactionGuard tx(m_db);
    if (Sql::scalar(m_db, QStringLiteral("SELECT 1 FROM 维修 WHERE 业务编号 = ? LIMIT 1"), {job.number}).isValid())
        throw DbError(NumberTakenMessage);

    CustomerStore customers(m_db);
    if (write == CustomerWrite::Add)
        customers.add(customer);
    else if (write == CustomerWrite::UpdateContact)
        customers.update(customer.name, customer,
                         {CustomerTable::Name, CustomerTable::Phone, CustomerTable::Contact, CustomerTable::Class,
                          CustomerTable::Address, CustomerTable::Route});

    R::map().insert(m_db, job, newJobColumns(job));
    tx.commit();
}

std::optional<RepairJob> RepairStore::find(const QString &number) const
{
    return R::map().first(m_db, QStringLiteral("WHERE 业务编号 = ? ORDER BY rowid LIMIT 1"), {number});
}

std::optional<RepairJob> RepairStore::firstWith(const ColumnRef &column, const QString &value) const
{
    if (column != R::ItemSerial && column != R::ItemName)
        return std::nullopt;
    return R::map().first(m_db,
                          QStringLiteral("WHERE %1 = ? ORDER BY rowid LIMIT 1").arg(ColumnMap::quoted(column.column)),
                          {value});
}

QList<RepairPartLine> RepairStore::parts(const QString &number) const
{
    return RepairPartTable::map().all(m_db, QStringLiteral("WHERE 单据编号 = ? ORDER BY rowid"), {number});
}

void RepairStore::update(const RepairJob &job, const std::optional<CustomerRecord> &customer,
                         const QList<RepairPartLine> &parts)
{
    TransactionGuard tx(m_db);
    R::map().update(m_db, job, R::map().columns(), R::Number);
    if (customer)
        CustomerStore(m_db).update(customer->name, *customer, CustomerTable::map().columns());
    Sql::exec(m_db, QStringLiteral("DELETE FROM 配件 WHERE 单据编号 = ?"), {job.number});
    for (RepairPartLine l : parts) {
        l.number = job.number;
        RepairPartTable::map().insert(m_db, l);
    }
    tx.commit();
}

void RepairStore::setRemarks(const QString &number, const QString &remarks)
{
    RepairJob job;
    job.number = number;
    job.remarks = remarks;
    R::map().update(m_db, job, {R::Remarks}, R::Number);
}

bool RepairStore::cancel(const QString &number, const QString &reason, const QDate &endDate)
{
    if (reason.isEmpty())
        return false;
    TransactionGuard tx(m_db);
    const QVariant state = Sql::scalar(m_db, QStringLiteral("SELECT 当前状态 FROM 维修 WHERE 业务编号 = ?"), {number});
    if (!state.isValid()
        || !RepairState::judge(RepairState::Action::CancelRepair, state.toString()).allowed())
        return false;
    RepairJob job;
    job.number = number;
    job.state = RepairState::Cancelled;
    job.cancelReason = reason;
    job.endDate = endDate;
    R::map().update(m_db, job, {R::State, R::CancelReason, R::EndDate}, R::Number);
    tx.commit();
    return true;
}

QStringList RepairStore::pickList(const ColumnRef &column) const
{
    static const QList<ColumnRef> allowed = {CustomerClassTable::Name, BrandTable::Name,      RepairClassTable::Name,
                                             FaultTable::Name,         TechnicianTable::Name, RepairConditionTable::Name};
    if (!allowed.contains(column))
        return {};
    return Sql::column(m_db, QStringLiteral("SELECT %1 FROM %2 ORDER BY rowid")
                                 .arg(ColumnMap::quoted(column.column), ColumnMap::quoted(column.table)));
}
