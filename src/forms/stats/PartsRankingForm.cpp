#include "forms/stats/PartsRankingForm.h"

#include "data/catalogs/PartsCatalogTable.h"

namespace P = PartsCatalogTable;

ListDeclaration PartsRankingForm::declaration()
{
    ListDeclaration d;
    auto col = [](const ColumnRef &c, const char *caption) { return ListColumn::of(c, QString::fromUtf8(caption)); };
    d.columns = {col(P::Rank, "排行"),     col(P::SoldThisMonth, "本月售出"), col(P::PartNo, "配件编号"),
                 col(P::Name, "配件名称"), col(P::Category, "类别"),          col(P::Model, "规格"),
                 col(P::Unit, "单位"),     col(P::SalePrice, "销售价"),       col(P::RepairPrice, "维修更换价")};
    d.modes = {{QStringLiteral("排行"), [](const ListArgs &) {
                    return std::vector{ListCondition::compare(P::SoldThisMonth, ListCondition::Op::Greater, qint64(0))};
                }}};
    d.defaultSort = {P::Rank, false};
    return d;
}

PartsRankingForm::PartsRankingForm(AppContext &ctx)
    : MonthlyRankingForm(ctx, declaration(), RightsTable::Access::Full, QStringLiteral("月份配件销售排行"))
{
}

void PartsRankingForm::rank(MonthlyRankings &rankings, const MonthRange &month, const Progress &progress)
{
    rankings.rankParts(month, progress);
}
