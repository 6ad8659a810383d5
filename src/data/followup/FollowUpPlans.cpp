#include "data/followup/FollowUpPlans.h"

#include "core/repair/RepairJob.h"
#include "data/app/SettingsStore.h"
#include "data/customers/CustomerStore.h"
#include "data/db/TableMap.h"
#include "data/followup/FollowUpTable.h"

std::optional<FollowUpPlan> FollowUpPlans::forRepair(const RepairJob &job) const
{
    const CustomerStore customers(m_db);
    const std::optional<CustomerRecord> customer = customers.find(job.customer);
    const QString customerClass = customer ? customer->customerClass : FollowUpPlan::UnknownClass;
    if (!FollowUpPlan::wanted(FollowUpPlan::Business::Repair, SettingsStore(m_db).value(ScopeKey),
                              customers.followsUp(customerClass)))
        return std::nullopt;
    return FollowUpPlan::forRepair(job.customer, customer ? customer->phone : QString(), job.itemName, job.number,
                                   job.intakeDate, job.endDate);
}

std::optional<FollowUpPlan> FollowUpPlans::forSale(const QString &customer, const QString &customerClass,
                                                   const QString &phone, const QString &number, const QDate &day) const
{
    if (!FollowUpPlan::wanted(FollowUpPlan::Business::Sale, SettingsStore(m_db).value(ScopeKey),
                              CustomerStore(m_db).followsUp(customerClass)))
        return std::nullopt;
    return FollowUpPlan::forSale(customer, phone, number, day);
}

void FollowUpPlans::add(const FollowUpPlan &plan)
{
    FollowUpTable::planMap().insert(m_db, plan);
}
