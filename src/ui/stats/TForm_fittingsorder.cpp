#include "ui/stats/TForm_fittingsorder.h"

TForm_fittingsorder::TForm_fittingsorder(AppContext &ctx, QWidget *parent)
    : MonthlyRankingScreen(ctx, parent), m_form(ctx)
{
    build(m_form, QStringLiteral("月度配件销售排行"), true);
}
