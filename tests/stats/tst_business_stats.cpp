// The current situation and the monthly business history on a shop whose figures are known by
// hand (StatsFixture): ended, cancelled and open jobs, sales, the month's first and last day, the
// next year's first day; the history's table rewritten whole or not at all; the screens and the
// printed figures.
#include "../print/PdfText.h"
#include "StatsFixture.h"
#include "WhenModal.h"
#include "data/db/DbError.h"
#include "data/stats/BusinessStats.h"
#include "forms/stats/CurrentSituationForm.h"
#include "forms/stats/MonthlyHistoryForm.h"
#include "ui/print/TForm_Preview.h"
#include "ui/stats/TForm_sta.h"
#include "ui/stats/TForm_staMonth.h"

#include <QAction>
#include <QBarSeries>
#include <QBarSet>
#include <QBarCategoryAxis>
#include <QChart>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

using namespace StatsFixture;

namespace {
QStringList labelTexts(const QList<QLabel *> &labels)
{
    QStringList out;
    for (const QLabel *l : labels)
        out << l->text();
    return out;
}

QList<QStringList> storedRows(TestDatabase &t)
{
    QList<QStringList> rows;
    QSqlQuery q = t.exec(QStringLiteral("SELECT 月份, 销售额, 毛利 FROM 月度情况 ORDER BY rowid"));
    while (q.next())
        rows << QStringList{q.value(0).toString(), q.value(1).toString(), q.value(2).toString()};
    return rows;
}

const QStringList TodayTexts{"营业额：280元", "毛利：90元", "登记业务：2笔", "完成维修：2笔", "直接销售：80元"};
const QStringList DecemberTexts{"营业额：540.4元", "毛利：175.25元", "登记业务：5笔", "完成维修：4笔", "直接销售：99.9元"};
} // namespace

class TestBusinessStats : public QObject
{
    Q_OBJECT
private slots:
    void currentSituation_data()
    {
        QTest::addColumn<QDate>("today");
        QTest::addColumn<QStringList>("day");
        QTest::addColumn<QStringList>("month");
        QTest::newRow("31 December: the month ends before 1 January")
            << Today << TodayTexts << DecemberTexts;
        QTest::newRow("a day without business shows 0")
            << QDate(2024, 12, 29)
            << QStringList{"营业额：0元", "毛利：0元", "登记业务：0笔", "完成维修：0笔", "直接销售：0元"} << DecemberTexts;
        QTest::newRow("1 January of the next year")
            << QDate(2025, 1, 1)
            << QStringList{"营业额：1500元", "毛利：700元", "登记业务：0笔", "完成维修：1笔", "直接销售：500元"}
            << QStringList{"营业额：1500元", "毛利：700元", "登记业务：0笔", "完成维修：1笔", "直接销售：500元"};
        QTest::newRow("1 December: only the first day's job")
            << QDate(2024, 12, 1)
            << QStringList{"营业额：200.5元", "毛利：80.25元", "登记业务：0笔", "完成维修：1笔", "直接销售：0元"} << DecemberTexts;
    }
    void currentSituation()
    {
        QFETCH(QDate, today);
        QFETCH(QStringList, day);
        QFETCH(QStringList, month);
        TestDatabase t;
        arrange(t);
        t.ctx.fixedToday = today;
        CurrentSituationForm form(t.ctx);
        form.load();
        QCOMPARE(CurrentSituationForm::texts(form.day()), day);
        QCOMPARE(CurrentSituationForm::texts(form.month()), month);
    }

    void monthsOfTheYear()
    {
        TestDatabase t;
        arrange(t);
        const QList<MonthSituation> months = BusinessStats(t.db()).months(2024);
        QCOMPARE(months.size(), 12);
        for (int m = 1; m <= 12; ++m) {
            QCOMPARE(months[m - 1].month, QStringLiteral("%1月份").arg(m));
            const QString turnover = m == 12 ? "540.4" : m == 11 ? "70" : m == 6 ? "100" : "0";
            const QString profit = m == 12 ? "175.25" : m == 11 ? "10" : m == 6 ? "40" : "0";
            QCOMPARE(months[m - 1].turnover.toText(), turnover);
            QCOMPARE(months[m - 1].profit.toText(), profit);
        }
        const QList<MonthSituation> next = BusinessStats(t.db()).months(2025);
        QCOMPARE(next.first().turnover.toText(), QStringLiteral("1500"));
        QCOMPARE(next.first().profit.toText(), QStringLiteral("700"));
    }

    // The table holds exactly the year's twelve months after each opening; a failure part way
    // leaves what it held before.
    void historyRewritesItsTableWhole()
    {
        TestDatabase t;
        arrange(t);
        t.exec(QStringLiteral("INSERT INTO 月度情况 (月份, 销售额, 毛利) VALUES ('13月份', 1, 1), ('1月份', 5, 5)"));
        MonthlyHistoryForm form(t.ctx);
        QList<int> steps;
        form.rebuild([&](int done) { steps << done; });
        QCOMPARE(steps, (QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}));
        QList<QStringList> rows = storedRows(t);
        QCOMPARE(rows.size(), 12);
        QCOMPARE(rows[0], (QStringList{"1月份", "0", "0"}));
        QCOMPARE(rows[5], (QStringList{"6月份", "1000000", "400000"}));
        QCOMPARE(rows[11], (QStringList{"12月份", "5404000", "1752500"}));
        QCOMPARE(form.months().size(), 12);
        QCOMPARE(form.months()[11].turnover.toText(), QStringLiteral("540.4"));

        MonthlyHistoryForm(t.ctx).rebuild();
        QCOMPARE(storedRows(t), rows);

        // A write refused at July: nothing of the new months lands.
        t.exec(QStringLiteral("DELETE FROM 销售 WHERE 业务编号 = 's4'"));
        t.exec(QStringLiteral("CREATE TRIGGER refuse AFTER INSERT ON 月度情况 WHEN NEW.月份 = '7月份'"
                              " BEGIN SELECT RAISE(ABORT, 'refused'); END"));
        QVERIFY_THROWS_EXCEPTION(DbError, MonthlyHistoryForm(t.ctx).rebuild());
        QCOMPARE(storedRows(t), rows);
    }

    void screenShowsAndPrintsTheFigures()
    {
        TestDatabase t;
        arrange(t);
        TForm_sta screen(t.ctx);
        QCOMPARE(screen.windowTitle(), QStringLiteral("统计分析"));
        QCOMPARE(screen.dateLabel->text(), QStringLiteral("当前日期：2024年12月31日"));
        QCOMPARE(labelTexts(screen.dayLabels), TodayTexts);
        QCOMPARE(labelTexts(screen.monthLabels), DecemberTexts);

        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("当前经营情况.pdf"));
        bool previewed = false;
        whenModal([&](QWidget *w) {
            auto *preview = qobject_cast<TForm_Preview *>(w);
            QVERIFY(preview);
            previewed = true;
            t.prompter.files << path;
            preview->action(QStringLiteral("导出PDF"))->trigger();
            preview->action(QStringLiteral("退出"))->trigger();
        });
        screen.printButton->click();
        QVERIFY(previewed);
        QCOMPARE(PdfText::pageCount(path), 1);
        const QString text = PdfText::compact(path);
        for (const QString &s : QStringList{"当前经营情况", "当天情况：", "当月情况：", "当前日期：2024-12-31"} + TodayTexts + DecemberTexts)
            QVERIFY2(text.contains(s), qPrintable(s + " in " + text));
        QVERIFY(text.indexOf(QStringLiteral("当天情况：")) < text.indexOf(QStringLiteral("营业额：280元")));
        QVERIFY(text.indexOf(QStringLiteral("营业额：280元")) < text.indexOf(QStringLiteral("当月情况：")));
    }

    // The chart shows the twelve rows written, January to December, turnover red and profit green.
    void monthChartShowsTheYear()
    {
        TestDatabase t;
        arrange(t);
        TForm_staMonth screen(t.ctx);
        QCOMPARE(t.count(QStringLiteral("月度情况")), 12);
        QCOMPARE(screen.windowTitle(), QStringLiteral("月经营历程"));
        QCOMPARE(screen.chart()->title(), QStringLiteral("月度经营历程"));
        QCOMPARE(screen.chart()->titleBrush().color(), QColor(Qt::blue));
        auto *bars = qobject_cast<QBarSeries *>(screen.chart()->series().value(0));
        QVERIFY(bars);
        QCOMPARE(bars->count(), 2);
        QBarSet *turnover = bars->barSets()[0];
        QBarSet *profit = bars->barSets()[1];
        QCOMPARE(turnover->label(), QStringLiteral("销售额"));
        QCOMPARE(profit->label(), QStringLiteral("毛利"));
        QCOMPARE(turnover->color(), QColor(Qt::red));
        QCOMPARE(profit->color(), QColor(Qt::green));
        QCOMPARE(turnover->count(), 12);
        QCOMPARE(turnover->at(11), 540.4);
        QCOMPARE(profit->at(11), 175.25);
        QCOMPARE(turnover->at(10), 70.0);
        QCOMPARE(turnover->at(5), 100.0);
        QCOMPARE(turnover->at(0), 0.0);
        QVERIFY(bars->isLabelsVisible());
        auto *axis = qobject_cast<QBarCategoryAxis *>(screen.chart()->axes(Qt::Horizontal).value(0));
        QVERIFY(axis);
        QCOMPARE(axis->categories().first(), QStringLiteral("1月份"));
        QCOMPARE(axis->categories().last(), QStringLiteral("12月份"));
    }
};

QTEST_MAIN(TestBusinessStats)
#include "tst_business_stats.moc"
