#include "data/app/NumberPlanTable.h"

#include "data/app/NumberPlan.h"
#include "data/db/TableMap.h"

const TableMap<NumberPlan> &NumberPlanTable::map()
{
    static const auto m = TableMap<NumberPlan>(QString::fromUtf8(Table))
                              .column(Prefix, &NumberPlan::prefix)
                              .column(Digits, &NumberPlan::digits)
                              .column(Next, &NumberPlan::next);
    return m;
}
