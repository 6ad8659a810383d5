#include "forms/stats/CustomerRankingForm.h"

#include "data/stats/CustomerRankingTable.h"

namespace R = CustomerRankingTable;

ListDeclaration CustomerRankingForm::declaration()
{
    ListDeclaration d;
    auto col = [](const ColumnRef &c, const char *caption) { return ListColumn::of(c, QString::fromUtf8(caption)); };
    d.columns = {col(R::Rank, "排行"),        col(R::Amount, "交易额"),   col(R::Name, "客户名称"),
                 col(R::Company, "客户单位"), col(R::Class, "客户类别"), col(R::Phone, "联系电话")};
    d.modes = {{QStringLiteral("排行"), {}}};
    d.defaultSort = {R::Rank, false};
    return d;
}

CustomerRankingForm::CustomerRankingForm(AppContext &ctx)
    : MonthlyRankingForm(ctx, declaration(), RightsTable::Access::Full, QStringLiteral("月份客户排行"))
{
}

void CustomerRankingForm::rank(MonthlyRankings &rankings, const MonthRange &month, const Progress &progress)
{
    rankings.rankCustomers(month, progress);
}
