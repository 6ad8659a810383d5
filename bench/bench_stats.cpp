// The statistics screens on the ten-year sample (VANTREL_BENCH_DB, never analysed), "today" being
// the file's last business day: the current situation (goal 100 ms), the monthly business history
// with its rewrite of "月度情况" (goal 150 ms, on a copy: it writes), and the customer statistics,
// their class pie and monthly bars (goal 200 ms each). Each screen is the real one, made as the
// main window makes it and painted once. Beside each figure, the rows its statements read.
#include "BenchDatabase.h"
#include "SilentPrompter.h"
#include "core/app/Right.h"
#include "data/db/Database.h"
#include "data/stats/BusinessStats.h"
#include "forms/app/AppContext.h"
#include "ui/customers/TForm_Customerdistr.h"
#include "ui/customers/TForm_customerSta.h"
#include "ui/customers/TForm_customersta_month.h"
#include "ui/stats/TForm_sta.h"
#include "ui/stats/TForm_staMonth.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <benchmark/benchmark.h>

namespace {

struct StatsBench
{
    SilentPrompter prompter;
    AppContext ctx;

    explicit StatsBench(Database *db)
    {
        ctx.ConnStr = db->path();
        ctx.db = db;
        ctx.prompter = &prompter;
        ctx.OperatorRights = Rights::SuperUser;
        ctx.OperatorName = QStringLiteral("bench");
        ctx.fixedToday = QDate::fromString(scalar(QStringLiteral("SELECT max(接修日期) FROM 维修")).toString(), Qt::ISODate);
    }

    // For the counters only, outside the timed part.
    QVariant scalar(const QString &statement, const QVariantList &values = {}) const
    {
        QSqlQuery q(QSqlDatabase::database(ctx.db->connectionName()));
        q.prepare(statement);
        for (const QVariant &v : values)
            q.addBindValue(v);
        q.exec();
        return q.next() ? q.value(0) : QVariant();
    }
    qint64 count(const QString &statement, const QVariantList &values = {}) const { return scalar(statement, values).toLongLong(); }

    QString monthStart() const { return ctx.today().toString(QStringLiteral("yyyy-MM-01")); }
    QString monthEnd() const { return ctx.today().addMonths(1).toString(QStringLiteral("yyyy-MM-01")); }
    QString yearStart() const { return QString::number(ctx.today().year()) + QStringLiteral("-01-01"); }
    QString yearEnd() const { return QString::number(ctx.today().year() + 1) + QStringLiteral("-01-01"); }
};

// Made, shown and painted, as the operator first sees it.
template <typename Screen>
void openAndPaint(AppContext &ctx)
{
    Screen screen(ctx);
    screen.show();
    benchmark::DoNotOptimize(screen.grab());
}

template <typename Screen>
void runScreen(benchmark::State &state, bool writes)
{
    if (!qobject_cast<QApplication *>(QCoreApplication::instance())) {
        state.SkipWithError("needs a QApplication");
        return;
    }
    Database *db = writes ? BenchDatabase::copy(BenchDatabase::largePath()) : BenchDatabase::open(BenchDatabase::largePath());
    if (!db) {
        state.SkipWithError("VANTREL_BENCH_DB is not set");
        return;
    }
    StatsBench b(db);
    for (auto _ : state)
        openAndPaint<Screen>(b.ctx);
    state.SetLabel(b.ctx.today().toString(Qt::ISODate).toStdString());
}

void BM_StatsCurrentSituation(benchmark::State &state)
{
    runScreen<TForm_sta>(state, false);
    if (Database *db = BenchDatabase::open(BenchDatabase::largePath())) {
        const StatsBench b(db);
        state.counters["jobs_ended_in_month"] = double(b.count(
            QStringLiteral("SELECT count(*) FROM 维修 WHERE 返回日期 >= ? AND 返回日期 < ?"), {b.monthStart(), b.monthEnd()}));
        state.counters["jobs_taken_in_month"] = double(b.count(
            QStringLiteral("SELECT count(*) FROM 维修 WHERE 接修日期 >= ? AND 接修日期 < ?"), {b.monthStart(), b.monthEnd()}));
        state.counters["sales_in_month"] = double(b.count(
            QStringLiteral("SELECT count(*) FROM 销售 WHERE 日期 >= ? AND 日期 < ?"), {b.monthStart(), b.monthEnd()}));
    }
}

void BM_StatsMonthlyHistory(benchmark::State &state)
{
    runScreen<TForm_staMonth>(state, true);
    if (Database *db = BenchDatabase::copy(BenchDatabase::largePath())) {
        const StatsBench b(db);
        state.counters["jobs_ended_in_year"] = double(b.count(
            QStringLiteral("SELECT count(*) FROM 维修 WHERE 返回日期 >= ? AND 返回日期 < ?"), {b.yearStart(), b.yearEnd()}));
        state.counters["sales_in_year"] = double(b.count(
            QStringLiteral("SELECT count(*) FROM 销售 WHERE 日期 >= ? AND 日期 < ?"), {b.yearStart(), b.yearEnd()}));
        state.counters["rows_written"] = double(b.count(QStringLiteral("SELECT count(*) FROM 月度情况")));
        // The two parts of an opening: the one grouped statement, and the rewrite (one
        // transaction, its wall-clock time mostly the disk's syncs).
        BusinessStats stats(*db);
        QElapsedTimer clock;
        clock.start();
        const QList<MonthSituation> months = stats.months(b.ctx.today().year());
        state.counters["grouping_ms"] = clock.nsecsElapsed() / 1e6;
        clock.restart();
        stats.storeMonths(months);
        state.counters["rewrite_ms"] = clock.nsecsElapsed() / 1e6;
    }
}

void customerCounters(benchmark::State &state)
{
    if (Database *db = BenchDatabase::open(BenchDatabase::largePath())) {
        const StatsBench b(db);
        state.counters["customers"] = double(b.count(QStringLiteral("SELECT count(*) FROM 客户目录")));
        state.counters["classes"] = double(b.count(QStringLiteral("SELECT count(*) FROM 客户分类")));
        state.counters["new_in_year"] = double(b.count(
            QStringLiteral("SELECT count(*) FROM 客户目录 WHERE 登记时间 >= ? AND 登记时间 < ?"), {b.yearStart(), b.yearEnd()}));
    }
}

void BM_CustomerStatsOverview(benchmark::State &state)
{
    runScreen<TForm_customerSta>(state, false);
    customerCounters(state);
}

void BM_CustomerStatsClassPie(benchmark::State &state)
{
    runScreen<TForm_Customerdistr>(state, false);
    customerCounters(state);
}

void BM_CustomerStatsPerMonth(benchmark::State &state)
{
    runScreen<TForm_customersta_month>(state, false);
    customerCounters(state);
}

} // namespace

BENCHMARK(BM_StatsCurrentSituation)->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(BM_StatsMonthlyHistory)->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(BM_CustomerStatsOverview)->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(BM_CustomerStatsClassPie)->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(BM_CustomerStatsPerMonth)->Unit(benchmark::kMillisecond)->Iterations(10);
