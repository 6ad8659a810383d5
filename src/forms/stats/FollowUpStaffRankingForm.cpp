#include "forms/stats/FollowUpStaffRankingForm.h"

#include "data/catalogs/FollowUpStaffTable.h"

namespace S = FollowUpStaffTable;

ListDeclaration FollowUpStaffRankingForm::declaration()
{
    ListDeclaration d;
    auto col = [](const ColumnRef &c, const char *caption) { return ListColumn::of(c, QString::fromUtf8(caption)); };
    d.columns = {col(S::Name, "回访员"), col(S::Visits, "回访单数量"), col(S::Rank, "排行")};
    d.modes = {{QStringLiteral("排行"), {}}};
    d.defaultSort = {S::Rank, false};
    return d;
}

FollowUpStaffRankingForm::FollowUpStaffRankingForm(AppContext &ctx)
    : MonthlyRankingForm(ctx, declaration(), RightsTable::Access::Full, QStringLiteral("月份回访员排行"))
{
}

void FollowUpStaffRankingForm::rank(MonthlyRankings &rankings, const MonthRange &month, const Progress &)
{
    rankings.rankFollowUpStaff(month);
}
