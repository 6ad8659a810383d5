#pragma once

#include "forms/stats/FollowUpStaffRankingForm.h"
#include "ui/stats/MonthlyRankingScreen.h"

// "月度回访员业绩排行": the follow-up staff by the visits of the month.
class TForm_BackSeeManOrder : public MonthlyRankingScreen
{
    Q_OBJECT
public:
    explicit TForm_BackSeeManOrder(AppContext &ctx, QWidget *parent = nullptr);

    FollowUpStaffRankingForm &form() { return m_form; }

private:
    FollowUpStaffRankingForm m_form;
};
