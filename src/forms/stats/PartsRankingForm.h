#pragma once

#include "forms/stats/MonthlyRankingForm.h"

// "月度配件销售排行": the parts by the month's stock-out lines for repair use or sale. Every part
// is ranked; those without such a line are not listed.
class PartsRankingForm : public MonthlyRankingForm
{
public:
    explicit PartsRankingForm(AppContext &ctx);
    static ListDeclaration declaration();

protected:
    void rank(MonthlyRankings &rankings, const MonthRange &month, const Progress &progress) override;
};
