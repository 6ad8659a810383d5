#include "ui/stats/TForm_customerorder.h"

TForm_customerorder::TForm_customerorder(AppContext &ctx, QWidget *parent)
    : MonthlyRankingScreen(ctx, parent), m_form(ctx)
{
    build(m_form, QStringLiteral("月度客户排行"), true);
}
