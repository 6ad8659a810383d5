#include "ui/customers/TForm_Customerdistr.h"

#include "ui/kit/ScreenKit.h"

TForm_Customerdistr::TForm_Customerdistr(AppContext &ctx, QWidget *parent) : ChartWindow(ctx, parent)
{
    QList<CustomerStatsForm::Slice> slices;
    keys()->run([&] { slices = CustomerStatsForm(ctx).distribution(); });
    declare(chartOf(slices));
}

ChartDeclaration TForm_Customerdistr::chartOf(const QList<CustomerStatsForm::Slice> &slices)
{
    ChartDeclaration d;
    d.kind = ChartDeclaration::Kind::Pie;
    d.caption = QStringLiteral("客户分布情况");
    d.title = QStringLiteral("客户分布情况");
    ChartDeclaration::Series customers{QStringLiteral("客户"), {}, {}};
    for (const CustomerStatsForm::Slice &s : slices) {
        d.categories << s.name;
        customers.values << s.count;
        d.sliceColours << QColor::fromRgb(QRgb(s.rgb));
    }
    d.series = {customers};
    return d;
}
