#pragma once

#include "forms/stats/MonthlyHistoryForm.h"
#include "ui/charts/ChartWindow.h"

// "月经营历程": turnover ("销售额", red) and gross profit ("毛利", green) of each month of the
// current year, side by side. Opening it sums the year again and rewrites "月度情况" with the
// twelve months, behind the progress window (one step per month); the chart shows the table.
class TForm_staMonth : public ChartWindow
{
    Q_OBJECT
public:
    explicit TForm_staMonth(AppContext &ctx, QWidget *parent = nullptr);

    MonthlyHistoryForm &form() { return m_form; }
    static ChartDeclaration chartOf(const QList<MonthSituation> &months);

private:
    MonthlyHistoryForm m_form;
};
