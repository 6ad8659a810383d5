#include "BenchDatabase.h"
#include "SilentPrompter.h"
#include "core/repair/RepairQueryRules.h"
#include "data/db/Database.h"
#include "data/repair/RepairQueryModel.h"
#include "forms/app/AppContext.h"
#include "forms/app/Prompter.h"
#include "forms/repair/RegForm.h"
#include "forms/repair/RepairQueryForm.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

struct RepairBench
{
    SilentPrompter prompter{true};
    AppContext ctx;

    void wire(Database *db, const QString &path)
    {
        ctx.ConnStr = path;
        ctx.db = db;
        ctx.prompter = &prompter;
        ctx.OperatorRights = 0xFFFFFFFFu;
        ctx.OperatorName = QStringLiteral("bench");
    }

    // The sample file as it is, for the queries (they only read).
    static RepairBench *reading()
    {
        static RepairBench *instance = []() -> RepairBench * {
            const QString path = BenchDatabase::largePath();
            if (path.isEmpty())
                return nullptr;
            auto *b = new RepairBench;
            b->wire(BenchDatabase::open(path), path);
            return b;
        }();
        return instance;
    }

    // A copy of the sample file, for registration, so the sample stays as generated.
    static RepairBench *writing()
    {
        static QTemporaryDir dir;
        static std::unique_ptr<Database> db;
        static RepairBench *instance = []() -> RepairBench * {
            const QString path = BenchDatabase::largePath();
            if (path.isEmpty())
                return nullptr;
            const QString copy = QDir(dir.path()).filePath(QStringLiteral("data1.1.mdb"));
            if (!QFile::copy(path, copy))
                return nullptr;
            db = std::make_unique<Database>(copy);
            db->open();
            auto *b = new RepairBench;
            b->wire(db.get(), copy);
            return b;
        }();
        return instance;
    }
};

// The "登记[&R]" press: checks, number check, customer write and job write in one transaction.
void BM_RepairRegisterSave(benchmark::State &state)
{
    RepairBench *b = RepairBench::writing();
    if (!b) {
        state.SkipWithError("sample database not given");
        return;
    }
    RegForm form(b->ctx);
    form.show();
    static int n = 0; // the copy lives for the whole run: numbers never repeat
    for (auto _ : state) {
        state.PauseTiming();
        form.values.number = QStringLiteral("bench-%1").arg(++n);
        form.values.customer = QStringLiteral("基准客户%1").arg(n);
        form.values.customerClass = form.lists.classes.value(0);
        form.values.itemName = QStringLiteral("笔记本电脑");
        state.ResumeTiming();
        if (form.registerJob() != RegForm::Field::None) {
            state.SkipWithError("registration refused");
            return;
        }
    }
}
BENCHMARK(BM_RepairRegisterSave)->Unit(benchmark::kMillisecond);

// Opening a query mode: the first page of rows is on screen.
void BM_RepairQueryFirstRows(benchmark::State &state, const QString &mode)
{
    RepairBench *b = RepairBench::reading();
    if (!b) {
        state.SkipWithError("sample database not given");
        return;
    }
    for (auto _ : state) {
        RepairQueryForm form(b->ctx, RightsTable::Access::Full);
        form.load(mode);
        benchmark::DoNotOptimize(form.rowCount());
    }
}
BENCHMARK_CAPTURE(BM_RepairQueryFirstRows, strALL, RepairQueryRules::strALL)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_RepairQueryFirstRows, strOnDealing, RepairQueryRules::strOnDealing)
    ->Unit(benchmark::kMillisecond);

// A search by customer name over every job.
void BM_RepairQueryCustomerSearch(benchmark::State &state)
{
    RepairBench *b = RepairBench::reading();
    if (!b) {
        state.SkipWithError("sample database not given");
        return;
    }
    RepairQueryForm form(b->ctx, RightsTable::Access::Full);
    form.load(RepairQueryRules::strALL);
    const QString name = form.rowCount() > 0 ? form.job(0).customer : QStringLiteral("客户");
    for (auto _ : state) {
        form.search(QStringLiteral("按客户查询"), name);
        benchmark::DoNotOptimize(form.rowCount());
    }
}
BENCHMARK(BM_RepairQueryCustomerSearch)->Unit(benchmark::kMillisecond);

} // namespace
