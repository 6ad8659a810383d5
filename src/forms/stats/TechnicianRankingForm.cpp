#include "forms/stats/TechnicianRankingForm.h"

#include "data/catalogs/TechnicianTable.h"
#include "forms/app/AppContext.h"

namespace T = TechnicianTable;

ListDeclaration TechnicianRankingForm::declaration()
{
    ListDeclaration d;
    auto col = [](const ColumnRef &c, const char *caption) { return ListColumn::of(c, QString::fromUtf8(caption)); };
    d.columns = {col(T::Name, "技术员"),         col(T::Jobs, "维修单数目"),     col(T::TotalAmount, "合计金额"),
                 col(T::TotalProfit, "合计毛利"), col(T::Rank, "排行"),           col(T::PartsFees, "发生配件费"),
                 col(T::LabourFees, "发生维修费"), col(T::ExtraFees, "发生附加费"), col(T::JobsInHand, "处理中维修")};
    d.modes = {{QStringLiteral("排行"), {}}};
    d.defaultSort = {T::Rank, false};
    d.ownerColumn = T::Name;
    return d;
}

TechnicianRankingForm::TechnicianRankingForm(AppContext &ctx, RightsTable::Access access)
    : MonthlyRankingForm(ctx, declaration(), access, QStringLiteral("月份技术员业绩排行")),
      m_ownOnly(access != RightsTable::Access::Full)
{
}

void TechnicianRankingForm::setOrder(const QString &label)
{
    m_order = label == ByProfit ? Order::Profit : Order::Turnover;
}

void TechnicianRankingForm::rank(MonthlyRankings &rankings, const MonthRange &month, const Progress &)
{
    // The technician view: the list holds the operator's own row, and only it is ranked.
    rankings.rankTechnicians(month, m_order, m_ownOnly ? std::optional(m_ctx.OperatorName) : std::nullopt);
}
