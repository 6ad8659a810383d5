#include "data/followup/FollowUpTable.h"

#include "core/followup/FollowUpPlan.h"
#include "data/db/TableMap.h"

const TableMap<FollowUpPlan> &FollowUpTable::planMap()
{
    static const auto m = TableMap<FollowUpPlan>(QString::fromUtf8(Table))
                              .column(Customer, &FollowUpPlan::customer)
                              .column(Phone, &FollowUpPlan::phone)
                              .column(Kind, &FollowUpPlan::kind)
                              .column(Name, &FollowUpPlan::name)
                              .column(Number, &FollowUpPlan::number)
                              .column(Started, &FollowUpPlan::started)
                              .column(Ended, &FollowUpPlan::ended)
                              .column(State, &FollowUpPlan::state);
    return m;
}
