// The pending-visits screen on the ten-year sample (VANTREL_BENCH_DB), on a copy where the newest
// 20,000 of the 200,000 follow-ups are open (planned or due). Each opening refreshes them (day
// counts rewritten, planned ones falling due, due ones expiring) before the list shows. Goal: the
// screen open, its first rows painted, within 100 ms. The refresh rewrites every open visit whose
// count changed, in one transaction on a file kept with a rollback journal and full syncs: on a
// shared disk much of the wall-clock time is the wait for the disk.
#include "BenchDatabase.h"
#include "ListBench.h"
#include "SilentPrompter.h"
#include "core/app/Right.h"
#include "data/db/Database.h"
#include "data/followup/FollowUpSettingsStore.h"
#include "data/followup/FollowUpVisits.h"
#include "forms/app/AppContext.h"
#include "ui/app/ScreenCatalog.h"
#include "ui/followup/TForm_BackSee.h"

#include <QMdiArea>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

constexpr int Pending = 20000;

struct FollowUpBench
{
    SilentPrompter prompter{true};
    AppContext ctx;
    qint64 firstPending = 0; // the 20,000 newest follow-ups, from this row key on

    explicit FollowUpBench(Database *db)
    {
        ctx.ConnStr = db->path();
        ctx.db = db;
        ctx.prompter = &prompter;
        ctx.OperatorRights = Rights::SuperUser;
        ctx.OperatorName = QStringLiteral("bench");
    }

    void exec(const QString &statement) const
    {
        QSqlQuery q(QSqlDatabase::database(ctx.db->connectionName()));
        if (!q.exec(statement))
            qFatal("%s: %s", qPrintable(statement), qPrintable(q.lastError().text()));
    }

    // Start 3 days, stop 30, overdue visits expire; every follow-up closed but the newest
    // 20,000, which are open (planned or due).
    void arrange()
    {
        for (const auto &[key, value] : {std::pair{"回访起始天", "3"}, std::pair{"回访中止天", "30"},
                                         std::pair{"过期取消", "strCancel"}}) {
            exec(QStringLiteral("DELETE FROM 基本信息 WHERE 标识 = '%1'").arg(QString::fromUtf8(key)));
            exec(QStringLiteral("INSERT INTO 基本信息 (标识, 值) VALUES ('%1', '%2')")
                     .arg(QString::fromUtf8(key), QString::fromUtf8(value)));
        }
        QSqlQuery q(QSqlDatabase::database(ctx.db->connectionName()));
        q.exec(QStringLiteral("SELECT max(rowid) FROM 回访"));
        q.next();
        firstPending = q.value(0).toLongLong() - Pending + 1;
        exec(QStringLiteral("UPDATE 回访 SET 当前状态 = '已结束' WHERE 当前状态 IN ('计划中', '待回访') AND rowid < %1")
                 .arg(firstPending));
    }

    // The morning of a day: the 20,000 as yesterday's opening left them, their businesses ended
    // 0 to 31 days before today (a 32nd of them on each day), so today every count grows by one,
    // a 32nd falls due and a 32nd expires.
    void resetToYesterday() const
    {
        const QString today = ctx.today().toString(Qt::ISODate);
        exec(QStringLiteral("UPDATE 回访 SET 业务结束时间 = date('%1', '-' || (rowid % 32) || ' days'), "
                            "距离业务结束时间 = (rowid % 32 - 1) || '天', "
                            "当前状态 = CASE WHEN rowid % 32 - 1 < 3 THEN '计划中' ELSE '待回访' END "
                            "WHERE rowid >= %2").arg(today).arg(firstPending));
    }

    // The same 20,000 with nothing of their day counts or states left from an earlier opening,
    // their businesses ended 0 to 199 days ago: every one rewritten, nearly all planned ones
    // falling due and most due ones expiring (as after the settings changed, or a long absence).
    void resetAllMoving() const
    {
        exec(QStringLiteral("UPDATE 回访 SET 业务结束时间 = date('%1', '-' || (rowid % 200) || ' days'), "
                            "距离业务结束时间 = '7天', "
                            "当前状态 = CASE WHEN rowid % 2 = 0 THEN '计划中' ELSE '待回访' END WHERE rowid >= %2")
                 .arg(ctx.today().toString(Qt::ISODate))
                 .arg(firstPending));
    }

    static FollowUpBench *instance()
    {
        static std::unique_ptr<FollowUpBench> b = []() -> std::unique_ptr<FollowUpBench> {
            Database *db = BenchDatabase::copy(BenchDatabase::largePath());
            if (!db)
                return nullptr;
            auto made = std::make_unique<FollowUpBench>(db);
            made->arrange();
            return made;
        }();
        return b.get();
    }

    // As the main window opens it: made by the catalog entry "待回访", shown maximised.
    TForm_BackSee *open(QMdiArea &workspace)
    {
        const ScreenCatalog::Entry *entry = ScreenCatalog::instance().find(QStringLiteral("待回访"));
        auto *screen = qobject_cast<TForm_BackSee *>(entry->create(ctx, nullptr));
        ListBench::show(workspace, screen);
        return screen;
    }
};

// Opening the screen on the morning of a day: the refresh of the 20,000 open follow-ups (every
// count rewritten, a 32nd falling due, a 32nd expiring), the due ones listed, the first visit's
// customer and repair shown, all painted. Each run starts from the same yesterday.
void BM_FollowUpPendingOpens(benchmark::State &state)
{
    FollowUpBench *b = FollowUpBench::instance();
    if (!b) {
        state.SkipWithError("VANTREL_BENCH_DB is not set");
        return;
    }
    QMdiArea workspace;
    workspace.resize(1280, 800);
    workspace.show();
    for (auto _ : state) {
        state.PauseTiming();
        b->resetToYesterday();
        state.ResumeTiming();
        TForm_BackSee *screen = b->open(workspace);
        state.PauseTiming();
        state.counters["rows_due"] = screen->form().rowCount();
        delete screen->parentWidget();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_FollowUpPendingOpens)->Unit(benchmark::kMillisecond)->Iterations(10);

// The same with every one of the 20,000 moving at once.
void BM_FollowUpPendingOpensAllMoving(benchmark::State &state)
{
    FollowUpBench *b = FollowUpBench::instance();
    if (!b) {
        state.SkipWithError("VANTREL_BENCH_DB is not set");
        return;
    }
    QMdiArea workspace;
    workspace.resize(1280, 800);
    workspace.show();
    for (auto _ : state) {
        state.PauseTiming();
        b->resetAllMoving();
        state.ResumeTiming();
        TForm_BackSee *screen = b->open(workspace);
        state.PauseTiming();
        state.counters["rows_due"] = screen->form().rowCount();
        delete screen->parentWidget();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_FollowUpPendingOpensAllMoving)->Unit(benchmark::kMillisecond)->Iterations(10);

// The morning's refresh alone, without the screen: how much of the opening it is.
void BM_FollowUpRefresh(benchmark::State &state)
{
    FollowUpBench *b = FollowUpBench::instance();
    if (!b) {
        state.SkipWithError("VANTREL_BENCH_DB is not set");
        return;
    }
    const FollowUpSettings settings = FollowUpSettingsStore(*b->ctx.db).read();
    for (auto _ : state) {
        state.PauseTiming();
        b->resetToYesterday();
        state.ResumeTiming();
        FollowUpVisits(*b->ctx.db).refresh(settings, b->ctx.now());
    }
}
BENCHMARK(BM_FollowUpRefresh)->Unit(benchmark::kMillisecond)->Iterations(10);

// Opening it again the same day: nothing left to move, no count to change, nothing written.
void BM_FollowUpPendingReopens(benchmark::State &state)
{
    FollowUpBench *b = FollowUpBench::instance();
    if (!b) {
        state.SkipWithError("VANTREL_BENCH_DB is not set");
        return;
    }
    QMdiArea workspace;
    workspace.resize(1280, 800);
    workspace.show();
    b->resetToYesterday();
    delete b->open(workspace)->parentWidget();
    for (auto _ : state) {
        TForm_BackSee *screen = b->open(workspace);
        state.PauseTiming();
        state.counters["rows_due"] = screen->form().rowCount();
        delete screen->parentWidget();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_FollowUpPendingReopens)->Unit(benchmark::kMillisecond)->Iterations(10);

} // namespace
