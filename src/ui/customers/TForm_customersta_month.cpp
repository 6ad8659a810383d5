#include "ui/customers/TForm_customersta_month.h"

#include "core/stats/MonthSituation.h"
#include "ui/kit/ScreenKit.h"

TForm_customersta_month::TForm_customersta_month(AppContext &ctx, QWidget *parent) : ChartWindow(ctx, parent)
{
    QList<int> perMonth(12, 0);
    keys()->run([&] { perMonth = CustomerStatsForm(ctx).newPerMonth(); });
    declare(chartOf(perMonth));
}

ChartDeclaration TForm_customersta_month::chartOf(const QList<int> &perMonth)
{
    ChartDeclaration d;
    d.caption = QStringLiteral("各月新增客户统计");
    d.title = QStringLiteral("各月新增客户");
    ChartDeclaration::Series customers{QStringLiteral("新增客户"), {}, Qt::red};
    for (int m = 1; m <= 12; ++m) {
        d.categories << MonthSituation::label(m);
        customers.values << perMonth.value(m - 1);
    }
    d.series = {customers};
    return d;
}
