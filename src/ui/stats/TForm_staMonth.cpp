#include "ui/stats/TForm_staMonth.h"

#include "ui/app/TForm_Importprocess.h"
#include "ui/kit/ScreenKit.h"

TForm_staMonth::TForm_staMonth(AppContext &ctx, QWidget *parent) : ChartWindow(ctx, parent), m_form(ctx)
{
    {
        TForm_Importprocess progress(parent);
        progress.setRange(0, MonthlyHistoryForm::Steps);
        progress.show();
        keys()->run([&] { m_form.rebuild([&](int done) { progress.setValue(done); }); });
    }
    declare(chartOf(m_form.months()));
}

ChartDeclaration TForm_staMonth::chartOf(const QList<MonthSituation> &months)
{
    ChartDeclaration d;
    d.caption = QStringLiteral("月经营历程");
    d.title = QStringLiteral("月度经营历程");
    d.titleColour = Qt::blue;
    ChartDeclaration::Series turnover{QStringLiteral("销售额"), {}, Qt::red};
    ChartDeclaration::Series profit{QStringLiteral("毛利"), {}, Qt::green};
    for (const MonthSituation &m : months) {
        d.categories << m.month;
        turnover.values << m.turnover.toDouble();
        profit.values << m.profit.toDouble();
    }
    d.series = {turnover, profit};
    return d;
}
