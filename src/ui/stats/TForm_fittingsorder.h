#pragma once

#include "forms/stats/PartsRankingForm.h"
#include "ui/stats/MonthlyRankingScreen.h"

// "月度配件销售排行": the parts sold or used in repairs in the month, computed in the progress window.
class TForm_fittingsorder : public MonthlyRankingScreen
{
    Q_OBJECT
public:
    explicit TForm_fittingsorder(AppContext &ctx, QWidget *parent = nullptr);

    PartsRankingForm &form() { return m_form; }

private:
    PartsRankingForm m_form;
};
