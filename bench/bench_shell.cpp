#include "BenchDatabase.h"
#include "SilentPrompter.h"
#include "core/app/Right.h"
#include "data/app/ShellStore.h"
#include "data/db/Database.h"
#include "forms/app/AppContext.h"
#include "forms/app/Prompter.h"
#include "ui/app/ScreenCatalog.h"
#include "ui/app/TForm_main.h"

#include <QDir>
#include <benchmark/benchmark.h>

namespace {

// Answers nothing and shows nothing: the benchmarks measure the main window's own work.
// The four counts of the welcome screen together (goal: under 50 ms on the ten-year file).
void BM_WelcomeCounts(benchmark::State &state)
{
    Database *db = BenchDatabase::open(BenchDatabase::largePath());
    if (!db) {
        state.SkipWithError("VANTREL_BENCH_DB not given");
        return;
    }
    ShellStore store(*db);
    for (auto _ : state)
        benchmark::DoNotOptimize(store.welcomeCounts());
}
BENCHMARK(BM_WelcomeCounts)->Unit(benchmark::kMillisecond);

// A tree click up to the moment the screen would open: closing the open screens, the right
// test, the status text and the customer-class lookup of the node text (goal: under 20 ms).
void BM_TreeClick(benchmark::State &state)
{
    Database *db = BenchDatabase::open(BenchDatabase::largePath());
    if (!db) {
        state.SkipWithError("VANTREL_BENCH_DB not given");
        return;
    }
    SilentPrompter prompter;
    AppContext ctx;
    ctx.AppDir = QDir::tempPath();
    ctx.db = db;
    ctx.prompter = &prompter;
    ctx.OperatorName = QStringLiteral("bench");
    ctx.OperatorRights = Rights::SuperUser;
    const ScreenCatalog nothingRegistered;
    TForm_main main(ctx, nullptr, &nothingRegistered);
    const QStringList nodes = {QStringLiteral("检测报价"), QStringLiteral("当前库存"), QStringLiteral("客户资料"),
                               QStringLiteral("配件目录")};
    int i = 0;
    for (auto _ : state)
        main.selectNode(nodes[i++ % nodes.size()]);
}
BENCHMARK(BM_TreeClick)->Unit(benchmark::kMillisecond);

} // namespace
