// The customer directory editor and the customer picker on the ten-year sample's directory of
// 60,000 customers (VANTREL_BENCH_DB). Targets: the list's first rows within 100 ms, a search
// within 50 ms. Every search mode and every class is timed, searches with a text many customers
// hold and one nobody holds.
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
#include <QElapsedTimer>

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

// A directory search in each of its modes, then paging to the end of what it found.
struct DirectorySearch
{
    const char *label;
    const char *many;
};
const DirectorySearch DirectorySearches[] = {
    {"按客户名称查询", "王"},     {"按客户类别查询", "客户"}, {"按客户单位查询", "公司"},
    {"按物资主管查询", "张"},     {"按联系电话查询", "139"},  {"按电子邮件查询", "163"},
    {"按客户地址查询", "路"},     {"按客户邮编查询", "10"},   {"按税号查询", "91"},
    {"按账号查询", "6222"},
};

void BM_CustomerDirectorySearch(benchmark::State &state, const char *label, const char *text)
{
    BenchDb *b = requireDb(state);
    if (!b)
        return;
    CatalogEditor editor(b->ctx, CustomerDeclarations::directory());
    editor.open();
    for (auto _ : state) {
        benchmark::DoNotOptimize(editor.search(QString::fromUtf8(label), QString::fromUtf8(text)));
        state.PauseTiming();
        state.counters["rows_shown"] = editor.list().rowCount({});
        state.ResumeTiming();
    }
    // Paging to the end of what was found.
    QElapsedTimer t;
    t.start();
    while (editor.list().canFetchMore({}))
        editor.list().fetchMore({});
    state.counters["found"] = editor.list().rowCount({});
    state.counters["paging_to_end_ms"] = t.nsecsElapsed() / 1e6;
}

[[maybe_unused]] const bool directorySearchesRegistered = [] {
    for (const DirectorySearch &s : DirectorySearches) {
        benchmark::RegisterBenchmark((std::string("BM_CustomerDirectorySearch/") + s.label + "/many").c_str(),
                                     BM_CustomerDirectorySearch, s.label, s.many)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark((std::string("BM_CustomerDirectorySearch/") + s.label + "/none").c_str(),
                                     BM_CustomerDirectorySearch, s.label, "无此内容")
            ->Unit(benchmark::kMillisecond);
    }
    return true;
}();

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

// The picker's class box: every class in turn, each paged to its end; the time is for all of them.
void BM_CustomerPickerEachClass(benchmark::State &state)
{
    BenchDb *b = requireDb(state);
    if (!b)
        return;
    CustomerPickerForm picker(b->ctx);
    const QStringList classes = picker.classChoices();
    int shown = 0;
    for (auto _ : state) {
        shown = 0;
        for (const QString &c : classes) {
            picker.filterByClass(c);
            while (picker.list().canFetchMore({}))
                picker.list().fetchMore({});
            shown += picker.list().rowCount();
        }
    }
    state.counters["classes"] = double(classes.size());
    state.counters["rows_shown"] = shown;
}
BENCHMARK(BM_CustomerPickerEachClass)->Unit(benchmark::kMillisecond);

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
BENCHMARK_CAPTURE(BM_CustomerPickerSearch, common_surname, "王")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_CustomerPickerSearch, phone_fragment, "139")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_CustomerPickerSearch, nobody, "无此客户")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_CustomerPickerSearch, nobody_latin, "Nobody")->Unit(benchmark::kMillisecond);

} // namespace
