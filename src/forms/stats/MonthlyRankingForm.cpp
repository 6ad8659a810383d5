#include "forms/stats/MonthlyRankingForm.h"

#include "forms/app/AppContext.h"
#include "forms/app/Prompter.h"

MonthlyRankingForm::MonthlyRankingForm(AppContext &ctx, ListDeclaration declaration, RightsTable::Access access,
                                       QString panelText)
    : ListForm(ctx, std::move(declaration), access), m_ctx(ctx), m_panelText(std::move(panelText))
{
}

int MonthlyRankingForm::year() const
{
    return m_ctx.today().year();
}

int MonthlyRankingForm::currentMonth() const
{
    return m_ctx.today().month();
}

QString MonthlyRankingForm::caption() const
{
    return m_month ? QString::number(m_month) + m_panelText : QString();
}

bool MonthlyRankingForm::choose(int month, const Progress &progress)
{
    if (month < 1 || month > currentMonth()) {
        m_ctx.prompt().warning(InvalidMonthMessage);
        return false;
    }
    MonthlyRankings rankings(m_ctx.database());
    rank(rankings, MonthRange::of(year(), month), progress);
    m_month = month;
    load();
    return true;
}
