#pragma once

#include "forms/stats/MonthlyRankingForm.h"

// "月度客户排行": the customers of the directory by their business in the month (charges of the
// ended repairs taken in during it and the month's sales), those above 0 only.
class CustomerRankingForm : public MonthlyRankingForm
{
public:
    explicit CustomerRankingForm(AppContext &ctx);
    static ListDeclaration declaration();

protected:
    void rank(MonthlyRankings &rankings, const MonthRange &month, const Progress &progress) override;
};
