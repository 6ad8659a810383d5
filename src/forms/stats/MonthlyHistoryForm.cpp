#include "forms/stats/MonthlyHistoryForm.h"

#include "data/stats/BusinessStats.h"
#include "forms/app/AppContext.h"

int MonthlyHistoryForm::year() const
{
    return m_ctx.today().year();
}

void MonthlyHistoryForm::rebuild(const std::function<void(int)> &progress)
{
    BusinessStats stats(m_ctx.database());
    stats.storeMonths(stats.months(year()), progress);
    m_months = stats.storedMonths();
}
