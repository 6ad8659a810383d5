#include "BenchDatabase.h"
#include "data/db/Database.h"
#include "data/repair/RepairNumbers.h"
#include "data/stock/BillNumbers.h"
#include "forms/app/Startup.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

QString pathFor(int which)
{
    return which == 0 ? BenchDatabase::largePath() : BenchDatabase::smallPath();
}

void BM_GenerateRepairNumber(benchmark::State &state)
{
    Database *db = BenchDatabase::open(pathFor(int(state.range(0))));
    if (!db) {
        state.SkipWithError("sample database not given");
        return;
    }
    RepairNumbers numbers(*db);
    const QDate today = QDate::currentDate();
    for (auto _ : state)
        benchmark::DoNotOptimize(numbers.GenerateRepairNumber(today));
}
BENCHMARK(BM_GenerateRepairNumber)->Arg(0)->Arg(1)->ArgName("small")->Unit(benchmark::kMillisecond);

void BM_NextBillNumber(benchmark::State &state)
{
    Database *db = BenchDatabase::open(pathFor(int(state.range(0))));
    if (!db) {
        state.SkipWithError("sample database not given");
        return;
    }
    BillNumbers numbers(*db);
    const QDate today = QDate::currentDate();
    for (auto _ : state) {
        for (BillKind kind : {BillKind::StockIn, BillKind::StockOut, BillKind::Sale, BillKind::ReturnExchange})
            benchmark::DoNotOptimize(numbers.NextBillNumber(kind, today));
    }
    state.counters["calls"] = 4;
}
BENCHMARK(BM_NextBillNumber)->Arg(0)->Arg(1)->ArgName("small")->Unit(benchmark::kMillisecond);

// Everything start-up does with the database file before the first window: the existence and
// ownership checks, opening, the installation record. Nothing here may grow with the data.
void BM_StartupChecks(benchmark::State &state)
{
    const QString source = state.range(0) == 0 ? BenchDatabase::largePath() : QString();
    QTemporaryDir dir;
    const QString appDir = dir.path();
    if (source.isEmpty()) {
        Database::create(Startup::databasePath(appDir));
    } else {
        if (!QFileInfo::exists(source)) {
            state.SkipWithError("sample database not given");
            return;
        }
        // A copy: start-up opens the file for writing, and the sample must stay as generated.
        QFile::copy(source, Startup::databasePath(appDir));
    }
    const QString ini = QDir(appDir).filePath(QStringLiteral("install.ini"));
    for (auto _ : state) {
        Startup::Result r = Startup::prepare(appDir, QDir(appDir).filePath(QStringLiteral("vantrel")), ini);
        if (!r.db) {
            state.SkipWithError(qPrintable(r.message));
            return;
        }
    }
}
BENCHMARK(BM_StartupChecks)->Arg(0)->Arg(1)->ArgName("empty")->Unit(benchmark::kMillisecond);

} // namespace
