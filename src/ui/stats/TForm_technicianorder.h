#pragma once

#include "forms/stats/TechnicianRankingForm.h"
#include "ui/stats/MonthlyRankingScreen.h"

class QComboBox;

// "月度技术员业绩排行", with the order box ("按营业额排行" / "按毛利排行") beside the month: a
// changed order computes the month again.
class TForm_technicianorder : public MonthlyRankingScreen
{
    Q_OBJECT
public:
    TForm_technicianorder(AppContext &ctx, QWidget *parent = nullptr,
                          RightsTable::Access access = RightsTable::Access::Full);

    TechnicianRankingForm &form() { return m_form; }
    QComboBox *orderBox = nullptr;

private:
    TechnicianRankingForm m_form;
};
