#include "ui/stats/TForm_BackSeeManOrder.h"

TForm_BackSeeManOrder::TForm_BackSeeManOrder(AppContext &ctx, QWidget *parent)
    : MonthlyRankingScreen(ctx, parent), m_form(ctx)
{
    build(m_form, QStringLiteral("月度回访员业绩排行"), false);
}
