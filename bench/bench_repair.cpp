// The repair query and registration on the ten-year sample (VANTREL_BENCH_DB). Goals: every mode
// and every sort shows its first rows within 50 ms; scrolling the full list to its end within
// twice one plain scan of the same rows and under 150 MB resident; leaving the screen within
// 50 ms. Searches are timed with a text that matches many rows and one that matches none.
#include "BenchDatabase.h"
#include "ListBench.h"
#include "SilentPrompter.h"
#include "core/app/Right.h"
#include "core/repair/RepairQueryRules.h"
#include "data/db/Database.h"
#include "data/lists/ListModel.h"
#include "forms/app/AppContext.h"
#include "forms/app/Prompter.h"
#include "forms/repair/RegForm.h"
#include "forms/repair/RepairQueryForm.h"
#include "ui/app/ScreenCatalog.h"
#include "ui/repair/TForm_repair_sh.h"

#include <QElapsedTimer>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

// The seven navigator entries of the query, and the technician whose jobs the technician view
// lists (the busiest one of the sample).
const char *const Nodes[] = {"业务查询", "当天业务", "当月业务", "已结束业务", "返修业务", "处理中业务", "已经结单"};
const char *const OwnNodes[] = {"业务查询", "当天业务", "当月业务", "已结束业务", "返修业务"};
constexpr int SortItems = 12;
const char *const Technician = "王师傅";

struct RepairBench
{
    SilentPrompter prompter{true};
    AppContext ctx;

    RepairBench(Database *db, quint32 rights, const QString &name)
    {
        ctx.ConnStr = db->path();
        ctx.db = db;
        ctx.prompter = &prompter;
        ctx.OperatorRights = rights;
        ctx.OperatorName = name;
    }

    // The sample file as it is, for the queries (they only read); own: the technician view.
    static RepairBench *reading(bool own = false)
    {
        static std::unique_ptr<RepairBench> full, technician;
        std::unique_ptr<RepairBench> &b = own ? technician : full;
        if (!b) {
            Database *db = BenchDatabase::open(BenchDatabase::largePath());
            if (!db)
                return nullptr;
            b = own ? std::make_unique<RepairBench>(db, quint32(Right::TechnicianView), QString::fromUtf8(Technician))
                    : std::make_unique<RepairBench>(db, Rights::SuperUser, QStringLiteral("bench"));
        }
        return b.get();
    }

    // A copy of the sample, for registration.
    static RepairBench *writing()
    {
        static std::unique_ptr<RepairBench> b;
        if (!b) {
            Database *db = BenchDatabase::copy(BenchDatabase::largePath());
            if (!db)
                return nullptr;
            b = std::make_unique<RepairBench>(db, Rights::SuperUser, QStringLiteral("bench"));
        }
        return b.get();
    }

    // Opens the entry's screen as the main window does: made by the screen catalog under the
    // access the entry grants ("当天业务" with the day before today, a busy day), shown maximised
    // in the workspace.
    TForm_repair_sh *open(QMdiArea &workspace, const char *node)
    {
        const ScreenCatalog::Entry *entry = ScreenCatalog::instance().find(QString::fromUtf8(node));
        const QString day = ctx.today().addDays(-1).toString(Qt::ISODate);
        const ScreenCatalog::Opening opening{entry->rule.evaluate(ctx.OperatorRights), day};
        auto *screen = qobject_cast<TForm_repair_sh *>(entry->create(ctx, nullptr, opening));
        ListBench::show(workspace, screen);
        return screen;
    }
};

RepairBench *requireReading(benchmark::State &state, bool own = false)
{
    RepairBench *b = RepairBench::reading(own);
    if (!b)
        state.SkipWithError("VANTREL_BENCH_DB is not set");
    return b;
}

void listCounters(benchmark::State &state, TForm_repair_sh *screen)
{
    state.counters["rows_shown"] = screen->form().rowCount();
    state.counters["planned_by_condition"] = screen->form().model().plannedDriver() >= 0;
}

// Opening a mode: the screen is made, lists its first page and paints it.
void BM_RepairQueryOpens(benchmark::State &state, const char *node, bool own)
{
    RepairBench *b = requireReading(state, own);
    if (!b)
        return;
    QMdiArea workspace;
    workspace.resize(1280, 800);
    workspace.show();
    for (auto _ : state) {
        TForm_repair_sh *screen = b->open(workspace, node);
        state.PauseTiming();
        listCounters(state, screen);
        delete screen->parentWidget();
        state.ResumeTiming();
    }
}

// A sort item chosen in a mode: the list again in its order, first page painted.
void BM_RepairQuerySorts(benchmark::State &state, const char *node, int item)
{
    RepairBench *b = requireReading(state);
    if (!b)
        return;
    QMdiArea workspace;
    workspace.resize(1280, 800);
    workspace.show();
    TForm_repair_sh *screen = b->open(workspace, node);
    const QString label = RepairQueryForm::declaration().sortItems.at(item).label;
    state.SetLabel(label.toStdString());
    for (auto _ : state) {
        screen->form().sort(label);
        ListBench::settle();
    }
    listCounters(state, screen);
}

// Scrolling a mode (or, in "业务查询", a sort item) to the end of its list.
void BM_RepairQueryScrollsToEnd(benchmark::State &state, const char *node, int item)
{
    RepairBench *b = requireReading(state);
    if (!b)
        return;
    QMdiArea workspace;
    workspace.resize(1280, 800);
    workspace.show();
    const double before = ProcessMemory::residentMb();
    for (auto _ : state) {
        state.PauseTiming();
        TForm_repair_sh *screen = b->open(workspace, node);
        if (item >= 0) {
            const QString label = RepairQueryForm::declaration().sortItems.at(item).label;
            state.SetLabel(label.toStdString());
            screen->form().sort(label);
        }
        state.ResumeTiming();
        const int rows = ListBench::scrollToEnd(screen->grid);
        state.PauseTiming();
        state.counters["rows"] = rows;
        state.counters["list_MB"] = screen->form().model().bytesHeld() / 1048576.0;
        state.counters["rss_growth_MB"] = ProcessMemory::residentMb() - before;
        ListBench::reportMemory(state);
        delete screen->parentWidget();
        state.ResumeTiming();
    }
}

// Deep in the full list (20,000 rows fetched), the scroll bar dragged to the bottom: the next page
// is fetched and the grid paints.
void BM_RepairQueryScrollStep(benchmark::State &state)
{
    RepairBench *b = requireReading(state);
    if (!b)
        return;
    QMdiArea workspace;
    workspace.resize(1280, 800);
    workspace.show();
    TForm_repair_sh *screen = b->open(workspace, "业务查询");
    while (screen->form().rowCount() < 20000)
        screen->form().model().fetchMore();
    for (auto _ : state)
        if (!ListBench::scrollStep(screen->grid))
            break;
    state.counters["rows"] = screen->form().rowCount();
}

// The list model alone paging to the end of the full list, without a grid: how much of the scroll
// is the paging itself.
void BM_RepairQueryModelPagesToEnd(benchmark::State &state)
{
    RepairBench *b = requireReading(state);
    if (!b)
        return;
    for (auto _ : state) {
        RepairQueryForm form(b->ctx, RightsTable::Access::Full);
        form.load(RepairQueryRules::strALL);
        form.model().fetchAll();
        state.counters["rows"] = form.rowCount();
    }
}

// One plain scan of the rows the full list shows: one statement, in the list's order, every shown
// value read and none kept. The floor the scroll to the end is compared with.
void BM_RepairQueryPlainScan(benchmark::State &state)
{
    RepairBench *b = requireReading(state);
    if (!b)
        return;
    ListQuery q;
    q.columns = RepairQueryForm::declaration().columns;
    q.sort = RepairQueryForm::declaration().defaultSort;
    qint64 rows = 0;
    for (auto _ : state)
        rows = ListModel::readThrough(b->ctx.database(), q);
    state.counters["rows"] = double(rows);
}

// Leaving the screen: the main window destroys its sub-window (with the first page only, and
// after the list was scrolled to its end).
void BM_RepairQueryLeaves(benchmark::State &state, bool scrolled)
{
    RepairBench *b = requireReading(state);
    if (!b)
        return;
    QMdiArea workspace;
    workspace.resize(1280, 800);
    workspace.show();
    for (auto _ : state) {
        state.PauseTiming();
        TForm_repair_sh *screen = b->open(workspace, "业务查询");
        if (scrolled)
            state.counters["rows"] = ListBench::scrollToEnd(screen->grid);
        state.ResumeTiming();
        delete screen->parentWidget();
        ListBench::settle();
    }
}

// "查询[&F]" in "业务查询" with each search mode: a text many jobs match and one none matches.
struct SearchCase
{
    const char *label;
    const char *many;
};
const SearchCase Searches[] = {
    {"按业务编号查询", "wx-26"},  {"按当前状态查询", "结束"},   {"按经办人查询", "李丽"},
    {"按客户查询", "王"},         {"按维修物名称查询", "电脑"}, {"按维修物编号查询", "SN"},
    {"按发票号码查询", "00"},     {"按维修技术员查询", "王"},   {"按回访员查询", "赵丽"},
    {"按故障描述查询", "黑屏"},   {"按维修小结查询", "更换"},   {"按配件SN查询", "8T"},
};
const char *const Nothing = "无此内容";

void BM_RepairQuerySearches(benchmark::State &state, const char *label, const char *text)
{
    RepairBench *b = requireReading(state);
    if (!b)
        return;
    QMdiArea workspace;
    workspace.resize(1280, 800);
    workspace.show();
    TForm_repair_sh *screen = b->open(workspace, "业务查询");
    for (auto _ : state) {
        screen->form().search(QString::fromUtf8(label), QString::fromUtf8(text));
        ListBench::settle();
    }
    listCounters(state, screen);
}

[[maybe_unused]] const bool registered = [] {
    using benchmark::RegisterBenchmark;
    auto ms = [](benchmark::internal::Benchmark *b) { b->Unit(benchmark::kMillisecond); };
    for (const char *node : Nodes)
        ms(RegisterBenchmark((std::string("BM_RepairQueryOpens/") + node).c_str(), BM_RepairQueryOpens, node, false));
    for (const char *node : OwnNodes)
        ms(RegisterBenchmark((std::string("BM_RepairQueryOpens/technician/") + node).c_str(), BM_RepairQueryOpens,
                             node, true));
    for (const char *node : Nodes)
        for (int item = 0; item < SortItems; ++item)
            ms(RegisterBenchmark((std::string("BM_RepairQuerySorts/") + node + "/" + std::to_string(item)).c_str(),
                                 BM_RepairQuerySorts, node, item));
    for (const char *node : Nodes)
        ms(RegisterBenchmark((std::string("BM_RepairQueryScrollsToEnd/") + node).c_str(), BM_RepairQueryScrollsToEnd,
                             node, -1)
               ->Iterations(2));
    for (int item = 1; item < SortItems; ++item)
        ms(RegisterBenchmark((std::string("BM_RepairQueryScrollsToEnd/业务查询/sorted/") + std::to_string(item)).c_str(),
                             BM_RepairQueryScrollsToEnd, "业务查询", item)
               ->Iterations(1));
    ms(RegisterBenchmark("BM_RepairQueryPlainScan", BM_RepairQueryPlainScan)->Iterations(3));
    ms(RegisterBenchmark("BM_RepairQueryModelPagesToEnd", BM_RepairQueryModelPagesToEnd)->Iterations(2));
    ms(RegisterBenchmark("BM_RepairQueryScrollStep", BM_RepairQueryScrollStep)->Iterations(100));
    ms(RegisterBenchmark("BM_RepairQueryLeaves/first_page", BM_RepairQueryLeaves, false));
    ms(RegisterBenchmark("BM_RepairQueryLeaves/scrolled_to_end", BM_RepairQueryLeaves, true)->Iterations(2));
    for (const SearchCase &s : Searches) {
        ms(RegisterBenchmark((std::string("BM_RepairQuerySearches/") + s.label + "/many").c_str(),
                             BM_RepairQuerySearches, s.label, s.many));
        ms(RegisterBenchmark((std::string("BM_RepairQuerySearches/") + s.label + "/none").c_str(),
                             BM_RepairQuerySearches, s.label, Nothing));
    }
    return true;
}();

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

} // namespace
