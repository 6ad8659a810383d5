#include "data/stats/MonthSituationTable.h"

#include "core/stats/MonthSituation.h"
#include "data/db/TableMap.h"

const TableMap<MonthSituation> &MonthSituationTable::map()
{
    static const auto m = TableMap<MonthSituation>(QString::fromUtf8(Table))
                              .column(Month, &MonthSituation::month)
                              .column(Turnover, &MonthSituation::turnover)
                              .column(Profit, &MonthSituation::profit);
    return m;
}
