// Customer statistics: the directory counted by day, month and class (CustomerStatsFixture),
// and the two charts drawn from those counts.
#include "CustomerStatsFixture.h"
#include "data/customers/CustomerTable.h"
#include "forms/customers/CustomerStatsForm.h"
#include "forms/customers/CustomerViewForm.h"
#include "ui/customers/TForm_Customerdistr.h"
#include "ui/customers/TForm_customersta_month.h"

#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QLegend>
#include <QLegendMarker>
#include <QPieSeries>
#include <QPieSlice>
#include <QtTest>

using namespace CustomerStatsFixture;

namespace {
QStringList namesListed(CustomerViewForm &form)
{
    QStringList names;
    for (int r = 0; r < form.rowCount(); ++r)
        names << form.text(r, CustomerTable::Name);
    return names;
}
} // namespace

class TestCustomerStats : public QObject
{
    Q_OBJECT
private slots:
    // The counts, and the customers each count lists, agree: registered on 31 December, from 1
    // December up to but not 1 January, and every one.
    void countsAndTheCustomersTheyCount()
    {
        TestDatabase t;
        arrange(t);
        CustomerStatsForm form(t.ctx);
        const CustomerCounts c = form.counts();
        QCOMPARE(c.today, 2);
        QCOMPARE(c.month, 3);
        QCOMPARE(c.total, 7);
        const QList<QPair<std::vector<ListCondition>, QStringList>> lines = {
            {form.registeredToday(), {"张三", "李四"}},
            {form.registeredThisMonth(), {"张三", "李四", "王五"}},
            {form.everyone(), {"张三", "李四", "王五", "赵六", "钱七", "孙八", "周九"}},
        };
        for (const auto &[conditions, names] : lines) {
            CustomerViewForm view(t.ctx, conditions);
            view.load();
            QCOMPARE(namesListed(view), names);
        }
        CustomerViewForm today(t.ctx, form.registeredToday());
        today.load();
        QCOMPARE(today.remarks(0), QStringLiteral("老客户"));
    }

    void emptyDirectoryCountsNothing()
    {
        TestDatabase t;
        t.ctx.fixedToday = Today;
        CustomerStatsForm form(t.ctx);
        const CustomerCounts c = form.counts();
        QCOMPARE(c.today + c.month + c.total, 0);
        QCOMPARE(form.newPerMonth(), QList<int>(12, 0));
        const TForm_customersta_month chart(t.ctx);
        auto *bars = qobject_cast<QBarSeries *>(chart.chart()->series().value(0));
        QCOMPARE(bars->barSets().first()->count(), 12);
        const TForm_Customerdistr pie(t.ctx);
        QCOMPARE(qobject_cast<QPieSeries *>(pie.chart()->series().value(0))->count(), 0);
    }

    // January to December of this year only: last year's and next year's customers are in no bar.
    void newCustomersPerMonth()
    {
        TestDatabase t;
        arrange(t);
        QList<int> expected(12, 0);
        expected[5] = 1;
        expected[10] = 1;
        expected[11] = 3;
        QCOMPARE(CustomerStatsForm(t.ctx).newPerMonth(), expected);

        TForm_customersta_month chart(t.ctx);
        QCOMPARE(chart.windowTitle(), QStringLiteral("各月新增客户统计"));
        QCOMPARE(chart.chart()->title(), QStringLiteral("各月新增客户"));
        auto *bars = qobject_cast<QBarSeries *>(chart.chart()->series().value(0));
        QVERIFY(bars && bars->count() == 1);
        QBarSet *set = bars->barSets().first();
        QCOMPARE(set->color(), QColor(Qt::red));
        for (int m = 0; m < 12; ++m)
            QCOMPARE(set->at(m), double(expected[m]));
        QCOMPARE(chart.declaration().categories.value(2), QStringLiteral("3月份"));
    }

    // One slice per class in table order, a class without customers too; the nineteenth class
    // coloured as the first; a customer of a removed class in no slice.
    void customersPerClass()
    {
        TestDatabase t;
        arrange(t);
        const QList<CustomerStatsForm::Slice> slices = CustomerStatsForm(t.ctx).distribution();
        QCOMPARE(slices.size(), 19);
        QCOMPARE(slices[0].name, QStringLiteral("零售"));
        QCOMPARE(slices[0].count, 3);
        QCOMPARE(slices[1].count, 1);
        QCOMPARE(slices[2].count, 1);
        QCOMPARE(slices[3].count, 0);
        QCOMPARE(slices[18].name, QStringLiteral("第十九类"));
        QCOMPARE(slices[18].count, 1);
        int counted = 0;
        for (const auto &s : slices)
            counted += s.count;
        QCOMPARE(counted, 6); // 孙八's class is gone

        const QList<quint32> palette = {0xFF0000, 0x00FFFF, 0x0000FF, 0x808080, 0xFF00FF, 0xFFFF00, 0x008000,
                                        0x00FF00, 0xC0C0C0, 0x800000, 0x000080, 0x808000, 0x800080, 0x000000,
                                        0xC0C0C0, 0x008080, 0xFFFFFF, 0x808080, 0xFF0000};
        for (int i = 0; i < slices.size(); ++i)
            QCOMPARE(slices[i].rgb, palette[i]);

        TForm_Customerdistr pie(t.ctx);
        QCOMPARE(pie.windowTitle(), QStringLiteral("客户分布情况"));
        QCOMPARE(pie.chart()->title(), QStringLiteral("客户分布情况"));
        auto *series = qobject_cast<QPieSeries *>(pie.chart()->series().value(0));
        QVERIFY(series);
        QCOMPARE(series->count(), 19);
        QCOMPARE(series->slices()[0]->value(), 3.0);
        QCOMPARE(series->slices()[0]->color(), QColor(0xFF, 0, 0));
        QCOMPARE(series->slices()[18]->color(), QColor(0xFF, 0, 0));
        QCOMPARE(series->slices()[1]->color(), QColor(0, 0xFF, 0xFF));
        QCOMPARE(series->slices()[3]->value(), 0.0);
        QCOMPARE(series->slices()[0]->label(), QStringLiteral("50.0%"));
        const QList<QLegendMarker *> markers = pie.chart()->legend()->markers(series);
        QCOMPARE(markers[0]->label(), QStringLiteral("零售：3"));
        QCOMPARE(markers[3]->label(), QStringLiteral("第4类：0"));
    }
};

QTEST_MAIN(TestCustomerStats)
#include "tst_customer_stats.moc"
