// The monthly rankings and the system initialisation on the ten-year sample (VANTREL_BENCH_DB,
// never analysed), "today" being the file's last business day.
//
// Each ranking is computed with its writes and listed, as choosing a month in its screen does,
// on a copy (it writes): goal 100 ms. The month alternates between the current and the previous
// one, so every iteration rewrites the figures. The screens are also timed as the operator opens
// them (made, computed, listed and painted). Beside each figure: the rows the month's grouped
// statements read and the rows ranked.
//
// The initialisation empties every group of tables of a fresh copy in one transaction (goal
// 2 s), after the copy of the whole file it makes first, timed apart.
#include "BenchDatabase.h"
#include "SilentPrompter.h"
#include "core/app/Right.h"
#include "data/db/Database.h"
#include "data/maintenance/DatabaseFiles.h"
#include "data/maintenance/SystemInitialisation.h"
#include "forms/app/AppContext.h"
#include "forms/stats/CustomerRankingForm.h"
#include "forms/stats/FollowUpStaffRankingForm.h"
#include "forms/stats/PartsRankingForm.h"
#include "forms/stats/TechnicianRankingForm.h"
#include "ui/stats/TForm_BackSeeManOrder.h"
#include "ui/stats/TForm_customerorder.h"
#include "ui/stats/TForm_fittingsorder.h"
#include "ui/stats/TForm_technicianorder.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

struct RankingBench
{
    SilentPrompter prompter;
    AppContext ctx;

    explicit RankingBench(Database *db)
    {
        ctx.ConnStr = db->path();
        ctx.AppDir = QFileInfo(db->path()).absolutePath();
        ctx.db = db;
        ctx.prompter = &prompter;
        ctx.OperatorRights = Rights::SuperUser;
        ctx.OperatorName = QStringLiteral("bench");
        ctx.fixedToday = QDate::fromString(text(QStringLiteral("SELECT max(接修日期) FROM 维修")), Qt::ISODate);
    }

    qint64 count(const QString &statement, const QVariantList &values = {}) const
    {
        return BenchDatabase::scalar(*ctx.db, statement, values).toLongLong();
    }
    QString text(const QString &statement) const { return BenchDatabase::scalar(*ctx.db, statement).toString(); }

    // The rows of the table whose date column lies in the current month.
    qint64 inMonth(const char *table, const char *column) const
    {
        const MonthRange m = MonthRange::of(ctx.today().year(), ctx.today().month());
        return count(QStringLiteral("SELECT count(*) FROM %1 WHERE %2 >= ? AND %2 < ?")
                         .arg(QString::fromUtf8(table), QString::fromUtf8(column)),
                     {m.firstText(), m.nextText()});
    }
};

Database *rankingCopy(benchmark::State &state)
{
    if (!qobject_cast<QApplication *>(QCoreApplication::instance())) {
        state.SkipWithError("needs a QApplication");
        return nullptr;
    }
    Database *db = BenchDatabase::copy(BenchDatabase::largePath());
    if (!db)
        state.SkipWithError("VANTREL_BENCH_DB is not set");
    return db;
}

// The month chosen in the screen, this month and the previous one by turns.
template <typename Form, typename... Args>
void runRanking(benchmark::State &state, Args... args)
{
    Database *db = rankingCopy(state);
    if (!db)
        return;
    RankingBench b(db);
    Form form(b.ctx, args...);
    const int month = b.ctx.today().month();
    const int previous = month > 1 ? month - 1 : month;
    int turn = 0;
    for (auto _ : state) {
        if (!form.choose(turn++ % 2 ? previous : month))
            state.SkipWithError("month refused");
        benchmark::DoNotOptimize(form.rowCount());
    }
    state.counters["rows_listed"] = double(form.rowCount());
    state.SetLabel(b.ctx.today().toString(Qt::ISODate).toStdString());
}

template <typename Screen>
void runScreen(benchmark::State &state)
{
    Database *db = rankingCopy(state);
    if (!db)
        return;
    RankingBench b(db);
    for (auto _ : state) {
        Screen screen(b.ctx);
        screen.resize(1366, 600);
        screen.show();
        benchmark::DoNotOptimize(screen.grab());
    }
}

void BM_RankingTechnicians(benchmark::State &state)
{
    runRanking<TechnicianRankingForm>(state, RightsTable::Access::Full);
    if (Database *db = BenchDatabase::copy(BenchDatabase::largePath())) {
        const RankingBench b(db);
        state.counters["jobs_returned_in_month"] = double(b.inMonth("维修", "返回日期"));
        state.counters["technicians_ranked"] = double(b.count(QStringLiteral("SELECT count(*) FROM 技术员目录")));
    }
}

void BM_RankingParts(benchmark::State &state)
{
    runRanking<PartsRankingForm>(state);
    if (Database *db = BenchDatabase::copy(BenchDatabase::largePath())) {
        const RankingBench b(db);
        state.counters["stock_out_lines_in_month"] = double(b.inMonth("出库单", "填单时间"));
        state.counters["parts_ranked"] = double(b.count(QStringLiteral("SELECT count(*) FROM 配件目录")));
    }
}

void BM_RankingCustomers(benchmark::State &state)
{
    runRanking<CustomerRankingForm>(state);
    if (Database *db = BenchDatabase::copy(BenchDatabase::largePath())) {
        const RankingBench b(db);
        state.counters["jobs_taken_in_month"] = double(b.inMonth("维修", "接修日期"));
        state.counters["sales_in_month"] = double(b.inMonth("销售", "日期"));
        state.counters["customers_in_directory"] = double(b.count(QStringLiteral("SELECT count(*) FROM 客户目录")));
    }
}

void BM_RankingFollowUpStaff(benchmark::State &state)
{
    runRanking<FollowUpStaffRankingForm>(state);
    if (Database *db = BenchDatabase::copy(BenchDatabase::largePath())) {
        const RankingBench b(db);
        state.counters["visits_in_month"] = double(b.inMonth("回访", "回访时间"));
        state.counters["staff_ranked"] = double(b.count(QStringLiteral("SELECT count(*) FROM 回访员")));
    }
}

void BM_RankingScreenTechnicians(benchmark::State &state) { runScreen<TForm_technicianorder>(state); }
void BM_RankingScreenParts(benchmark::State &state) { runScreen<TForm_fittingsorder>(state); }
void BM_RankingScreenCustomers(benchmark::State &state) { runScreen<TForm_customerorder>(state); }
void BM_RankingScreenFollowUpStaff(benchmark::State &state) { runScreen<TForm_BackSeeManOrder>(state); }

// Every group emptied on a fresh copy of the sample, after the copy of the file made first.
void BM_InitialiseEverything(benchmark::State &state)
{
    const QString sample = BenchDatabase::largePath();
    if (sample.isEmpty() || !QFileInfo::exists(sample)) {
        state.SkipWithError("VANTREL_BENCH_DB is not set");
        return;
    }
    QList<SystemInitialisation::Group> all = SystemInitialisation::groups();
    double rows = 0, backupMs = 0, initMs = 0;
    for (auto _ : state) {
        state.PauseTiming();
        QTemporaryDir dir;
        const QString path = QDir(dir.path()).filePath(QStringLiteral("data1.1.mdb"));
        QFile::copy(sample, path);
        {
            Database db(path);
            RankingBench b(&db);
            rows = 0;
            for (SystemInitialisation::Group g : all)
                for (const QString &t : SystemInitialisation::tablesOf(g))
                    rows += double(b.count(QStringLiteral("SELECT count(*) FROM \"%1\"").arg(t)));
            state.ResumeTiming();

            QElapsedTimer clock;
            clock.start();
            if (const auto problem = DatabaseFiles(db).backupTo(QDir(dir.path()).filePath(QStringLiteral("before.mdb"))))
                state.SkipWithError(problem->toStdString().c_str());
            backupMs = double(clock.nsecsElapsed()) / 1e6;
            clock.restart();
            SystemInitialisation(db).run({{QStringLiteral("公司名称"), QStringLiteral("新店")}}, all);
            initMs = double(clock.nsecsElapsed()) / 1e6;

            state.PauseTiming();
        }
        state.ResumeTiming();
    }
    state.counters["rows_emptied"] = rows;
    state.counters["backup_copy_ms"] = backupMs;
    state.counters["initialise_ms"] = initMs;
}

} // namespace

BENCHMARK(BM_RankingTechnicians)->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(BM_RankingParts)->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(BM_RankingCustomers)->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(BM_RankingFollowUpStaff)->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(BM_RankingScreenTechnicians)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_RankingScreenParts)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_RankingScreenCustomers)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_RankingScreenFollowUpStaff)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_InitialiseEverything)->Unit(benchmark::kMillisecond)->Iterations(2);
