// The customer directory editor and the customer picker on a large directory (file named by
// VANTREL_BENCH_DB). Targets: the list's first rows within 100 ms, a picker search within 50 ms.
#include "BenchDatabase.h"
#include "SilentPrompter.h"
#include "data/db/Database.h"
#include "forms/app/AppContext.h"
#include "forms/app/Prompter.h"
#include "forms/catalogs/CatalogEditor.h"
#include "forms/customers/CustomerDeclarations.h"
#include "forms/customers/CustomerPickerForm.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>

namespace {

// The large sample file with a context for the screens; null when VANTREL_BENCH_DB is not set.
struct BenchDb
{
    SilentPrompter prompter;
    AppContext ctx;

    static BenchDb *get()
    {
        static BenchDb *instance = [] () -> BenchDb * {
            const QString path = BenchDatabase::largePath();
            if (path.isEmpty())
                return nullptr;
            auto *b = new BenchDb;
            b->ctx.ConnStr = path;
            b->ctx.db = BenchDatabase::open(path);
            b->ctx.prompter = &b->prompter;
            b->ctx.OperatorRights = 0xFFFFFFFFu;
            return b;
        }();
        return instance;
    }
};

BenchDb *requireDb(benchmark::State &state)
{
    BenchDb *b = BenchDb::get();
    if (!b)
        state.SkipWithError("VANTREL_BENCH_DB is not set");
    return b;
}

// Opening the directory editor: the first page of the list and the panel of the first row.
void BM_CustomerDirectoryOpens(benchmark::State &state)
{
    BenchDb *b = requireDb(state);
    if (!b)
        return;
    for (auto _ : state) {
        CatalogEditor editor(b->ctx, CustomerDeclarations::directory());
        editor.open();
        benchmark::DoNotOptimize(editor.list().rowCount());
    }
    CatalogEditor editor(b->ctx, CustomerDeclarations::directory());
    editor.open();
    state.counters["rows shown"] = editor.list().rowCount();
    state.counters["customers"] = editor.store().count();
}
BENCHMARK(BM_CustomerDirectoryOpens)->Unit(benchmark::kMillisecond);

// Scrolling the directory to its end a page at a time (every row once).
void BM_CustomerDirectoryScrollsToEnd(benchmark::State &state)
{
    BenchDb *b = requireDb(state);
    if (!b)
        return;
    for (auto _ : state) {
        CatalogEditor editor(b->ctx, CustomerDeclarations::directory());
        editor.open();
        while (editor.list().canFetchMore({}))
            editor.list().fetchMore({});
        benchmark::DoNotOptimize(editor.list().rowCount());
    }
}
BENCHMARK(BM_CustomerDirectoryScrollsToEnd)->Unit(benchmark::kMillisecond);

// A directory search by name.
void BM_CustomerDirectorySearch(benchmark::State &state)
{
    BenchDb *b = requireDb(state);
    if (!b)
        return;
    CatalogEditor editor(b->ctx, CustomerDeclarations::directory());
    editor.open();
    for (auto _ : state)
        benchmark::DoNotOptimize(editor.search(QStringLiteral("按客户名称查询"), QStringLiteral("客户1")));
}
BENCHMARK(BM_CustomerDirectorySearch)->Unit(benchmark::kMillisecond);

// Opening the picker: the class drop-down and the list of every customer by name.
void BM_CustomerPickerOpens(benchmark::State &state)
{
    BenchDb *b = requireDb(state);
    if (!b)
        return;
    for (auto _ : state) {
        CustomerPickerForm picker(b->ctx);
        benchmark::DoNotOptimize(picker.classChoices());
        picker.filterByClass(CustomerPickerForm::AllClasses);
        benchmark::DoNotOptimize(picker.list().rowCount());
    }
}
BENCHMARK(BM_CustomerPickerOpens)->Unit(benchmark::kMillisecond);

// The picker's free search over five columns: a text many customers hold, a phone fragment,
// and texts nobody holds (every row is read), without and with Latin letters.
void BM_CustomerPickerSearch(benchmark::State &state, const char *text)
{
    BenchDb *b = requireDb(state);
    if (!b)
        return;
    CustomerPickerForm picker(b->ctx);
    const QString s = QString::fromUtf8(text);
    for (auto _ : state)
        benchmark::DoNotOptimize(picker.search(s));
    state.counters["rows shown"] = picker.list().rowCount();
}
BENCHMARK_CAPTURE(BM_CustomerPickerSearch, common_name, "客户1")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_CustomerPickerSearch, phone_fragment, "800005")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_CustomerPickerSearch, nobody, "无此客户")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_CustomerPickerSearch, nobody_latin, "Nobody")->Unit(benchmark::kMillisecond);

} // namespace
