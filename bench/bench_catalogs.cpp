// The customer directory editor, the customer picker and the part picker on the ten-year
// sample's directory of 60,000 customers and catalog of 20,000 parts (VANTREL_BENCH_DB). Targets:
// the list's first rows within 100 ms, a search within 50 ms, the customer picker's every class
// paged to its end within twice one plain read of the same rows. Every search mode and every
// class is timed, searches with a text many rows hold and one none holds; the rows each figure
// read are printed beside it.
#include "BenchDatabase.h"
#include "SilentPrompter.h"
#include "data/catalogs/CatalogStore.h"
#include "data/catalogs/PartsCatalogTable.h"
#include "data/customers/CustomerTable.h"
#include "data/db/Database.h"
#include "data/lists/ListModel.h"
#include "forms/app/AppContext.h"
#include "forms/app/Prompter.h"
#include "forms/catalogs/CatalogEditor.h"
#include "forms/catalogs/PartsCatalogDeclaration.h"
#include "forms/catalogs/PartsPickerForm.h"
#include "forms/customers/CustomerDeclarations.h"
#include "forms/customers/CustomerPickerForm.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QHash>
#include <algorithm>

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

// A catalog list scrolled to its end a page at a time (every row once), or its rows read by one
// plain statement in the same order: the customer directory (table order) and the parts catalog
// (sorted by its running number). Goal: the pages within twice the plain read.
void BM_CatalogToEnd(benchmark::State &state, CatalogDeclaration (*declaration)(), bool plain)
{
    BenchDb *b = requireDb(state);
    if (!b)
        return;
    qint64 read = 0;
    for (auto _ : state) {
        CatalogEditor editor(b->ctx, declaration());
        if (plain) {
            read = editor.store().all().size();
            continue;
        }
        editor.open();
        while (editor.list().canFetchMore({}))
            editor.list().fetchMore({});
        read = editor.list().rowCount();
    }
    state.counters["rows_read"] = double(read);
}

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

// A picker opened: its class box and the first rows of every row in its order, without reading
// the rest of the catalog.
template <class Picker>
void BM_PickerOpens(benchmark::State &state)
{
    BenchDb *b = requireDb(state);
    if (!b)
        return;
    int rows = 0;
    for (auto _ : state) {
        Picker picker(b->ctx);
        benchmark::DoNotOptimize(picker.classChoices());
        picker.showClass(picker.declaration().allClasses);
        rows = picker.rowCount();
    }
    state.counters["rows_read"] = rows;
}
BENCHMARK_TEMPLATE(BM_PickerOpens, CustomerPickerForm)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_PickerOpens, PartsPickerForm)->Unit(benchmark::kMillisecond);

// A picker's class box: every class in turn ("全部" last), each paged to its end or only its
// first rows; the time is for all of them. The customer picker's goal: within twice
// BM_CustomerPickerEachClassPlainRead.
template <class Picker>
void BM_PickerEachClass(benchmark::State &state, bool toEnd)
{
    BenchDb *b = requireDb(state);
    if (!b)
        return;
    Picker picker(b->ctx);
    const QStringList classes = picker.classChoices();
    qint64 read = 0;
    for (auto _ : state) {
        read = 0;
        for (const QString &c : classes) {
            picker.showClass(c);
            if (toEnd)
                picker.model().fetchAll();
            read += picker.rowCount();
        }
    }
    state.counters["classes"] = double(classes.size());
    state.counters["rows_read"] = double(read);
}

// The same rows, each class read by one plain statement in its order, keeping nothing.
void BM_CustomerPickerEachClassPlainRead(benchmark::State &state)
{
    BenchDb *b = requireDb(state);
    if (!b)
        return;
    const CustomerPickerForm picker(b->ctx);
    const QStringList classes = picker.classChoices();
    qint64 read = 0;
    for (auto _ : state) {
        read = 0;
        for (const QString &c : classes)
            read += ListModel::readThrough(b->ctx.database(), picker.classQuery(c));
    }
    state.counters["classes"] = double(classes.size());
    state.counters["rows_read"] = double(read);
}
BENCHMARK(BM_CustomerPickerEachClassPlainRead)->Unit(benchmark::kMillisecond)->Iterations(2);

// The most common start of the column's texts, of the given length (a surname, a word of the
// part names): a search text that matches many rows, taken from the file.
QString commonStart(Database &db, const ColumnRef &column, int length)
{
    QHash<QString, int> seen;
    for (const CatalogRow &r : CatalogStore(db, {column}).all())
        if (r.values.value(0).size() >= length)
            ++seen[r.values.value(0).left(length)];
    QString best;
    for (auto it = seen.cbegin(); it != seen.cend(); ++it)
        if (best.isEmpty() || it.value() > seen.value(best))
            best = it.key();
    return best;
}

// A text made of the file's own words that no row holds: the common start followed by the
// first row's text backwards.
QString nowhere(Database &db, const ColumnRef &column, const QString &common)
{
    QString tail = CatalogStore(db, {column}).fetch(CatalogFilter::all(), 1).value(0).values.value(0);
    std::reverse(tail.begin(), tail.end());
    return common + tail + common;
}

// A picker's "查找": a text many rows hold and one none holds (every row is read), both taken from
// the file: the most common start of the column's texts (a surname, a word of the part names).
// Then the rows found, paged to their end.
template <class Picker>
void BM_PickerSearch(benchmark::State &state, ColumnRef column, int length, bool many)
{
    BenchDb *b = requireDb(state);
    if (!b)
        return;
    const QString common = commonStart(b->ctx.database(), column, length);
    const QString text = many ? common : nowhere(b->ctx.database(), column, common);
    Picker picker(b->ctx);
    for (auto _ : state)
        benchmark::DoNotOptimize(picker.search(text));
    state.counters["rows_read"] = picker.rowCount();
    QElapsedTimer t;
    t.start();
    picker.model().fetchAll();
    state.counters["found"] = picker.rowCount();
    state.counters["paging_to_end_ms"] = double(t.nsecsElapsed()) / 1e6;
    state.SetLabel(text.toStdString());
}
[[maybe_unused]] const bool pickerBenchmarksRegistered = [] {
    using benchmark::RegisterBenchmark;
    const auto ms = benchmark::kMillisecond;
    for (const bool plain : {false, true}) {
        const std::string how = plain ? "plain_read" : "pages";
        RegisterBenchmark(("BM_CatalogToEnd/customer_directory/" + how).c_str(), BM_CatalogToEnd,
                          &CustomerDeclarations::directory, plain)
            ->Unit(ms);
        RegisterBenchmark(("BM_CatalogToEnd/parts_catalog/" + how).c_str(), BM_CatalogToEnd, &PartsCatalogDeclaration::make,
                          plain)
            ->Unit(ms);
    }
    RegisterBenchmark("BM_PickerEachClass/customers_to_end", BM_PickerEachClass<CustomerPickerForm>, true)
        ->Unit(ms)
        ->Iterations(2);
    RegisterBenchmark("BM_PickerEachClass/customers_first_rows", BM_PickerEachClass<CustomerPickerForm>, false)->Unit(ms);
    RegisterBenchmark("BM_PickerEachClass/parts_first_rows", BM_PickerEachClass<PartsPickerForm>, false)->Unit(ms);
    // The customer picker searches five columns, the part picker number and name.
    for (const bool many : {true, false}) {
        const std::string which = many ? "many" : "none";
        RegisterBenchmark(("BM_PickerSearch/customers_" + which).c_str(), BM_PickerSearch<CustomerPickerForm>,
                          CustomerTable::Name, 1, many)
            ->Unit(ms);
        RegisterBenchmark(("BM_PickerSearch/parts_" + which).c_str(), BM_PickerSearch<PartsPickerForm>,
                          PartsCatalogTable::Name, 2, many)
            ->Unit(ms);
    }
    return true;
}();

} // namespace
