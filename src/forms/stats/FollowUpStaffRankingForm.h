#pragma once

#include "forms/stats/MonthlyRankingForm.h"

// "月度回访员排行": the follow-up staff by the follow-ups whose visit day lies in the month.
class FollowUpStaffRankingForm : public MonthlyRankingForm
{
public:
    explicit FollowUpStaffRankingForm(AppContext &ctx);
    static ListDeclaration declaration();

protected:
    void rank(MonthlyRankings &rankings, const MonthRange &month, const Progress &progress) override;
};
