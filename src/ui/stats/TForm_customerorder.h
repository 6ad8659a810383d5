#pragma once

#include "forms/stats/CustomerRankingForm.h"
#include "ui/stats/MonthlyRankingScreen.h"

// "月度客户排行": the customers with business in the month, computed in the progress window.
class TForm_customerorder : public MonthlyRankingScreen
{
    Q_OBJECT
public:
    explicit TForm_customerorder(AppContext &ctx, QWidget *parent = nullptr);

    CustomerRankingForm &form() { return m_form; }

private:
    CustomerRankingForm m_form;
};
