// The current stock and the stock bill lists on the ten-year sample (VANTREL_BENCH_DB: 20,000
// stock rows, 1,000,000 bill lines in about 200,000 bills). Goals: the current stock shows its first
// rows, and each search (a text many rows match and one none matches) within 100 ms; the total
// stock value within 50 ms; a bill list shows its first rows within 100 ms; selecting a bill shows
// its lines within 20 ms.
#include "BenchDatabase.h"
#include "ListBench.h"
#include "SilentPrompter.h"
#include "core/app/Right.h"
#include "data/db/Database.h"
#include "data/lists/ListModel.h"
#include "data/stock/StockValuation.h"
#include "forms/app/AppContext.h"
#include "forms/stock/CurStockForm.h"
#include "forms/stock/StockBillsForm.h"
#include "ui/app/ScreenCatalog.h"
#include "ui/stock/StockBillScreen.h"
#include "ui/stock/TForm_curstock.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTableView>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

struct StockListBench
{
    SilentPrompter prompter;
    AppContext ctx;

    // The sample as it is (these screens only read).
    static StockListBench *reading()
    {
        static std::unique_ptr<StockListBench> b;
        if (!b) {
            Database *db = BenchDatabase::open(BenchDatabase::largePath());
            if (!db)
                return nullptr;
            b = std::make_unique<StockListBench>();
            b->ctx.ConnStr = db->path();
            b->ctx.db = db;
            b->ctx.prompter = &b->prompter;
            b->ctx.OperatorRights = Rights::SuperUser;
            b->ctx.OperatorName = QStringLiteral("bench");
        }
        return b.get();
    }

    // Opens a tree node's screen as the main window does: made by the screen catalog, shown
    // maximised in the workspace.
    template <typename Screen>
    Screen *open(QMdiArea &workspace, const char *node)
    {
        const ScreenCatalog::Entry *entry = ScreenCatalog::instance().find(QString::fromUtf8(node));
        auto *screen = qobject_cast<Screen *>(entry->create(ctx, nullptr));
        ListBench::show(workspace, screen);
        return screen;
    }
};

StockListBench *require(benchmark::State &state)
{
    StockListBench *b = StockListBench::reading();
    if (!b)
        state.SkipWithError("VANTREL_BENCH_DB is not set");
    return b;
}

// "当前库存" opened: the total value, the first rows painted (warning: the welcome link's view).
void BM_CurrentStockOpens(benchmark::State &state, bool warning)
{
    StockListBench *b = require(state);
    if (!b)
        return;
    b->ctx.StockWarningMode = warning ? 1 : 0;
    QMdiArea workspace;
    workspace.resize(1280, 800);
    workspace.show();
    for (auto _ : state) {
        auto *screen = b->open<TForm_curstock>(workspace, "当前库存");
        state.PauseTiming();
        state.counters["rows_shown"] = screen->form().rowCount();
        delete screen->parentWidget();
        state.ResumeTiming();
    }
    b->ctx.StockWarningMode = 0;
}

struct SearchCase
{
    const char *label;
    const char *many;
    const char *none;
};
const SearchCase StockSearches[] = {
    {"按配件编号搜索", "P01", "Q9"},       {"按配件名称搜索", "鼠标", "无此配件"},
    {"按所属类别搜索", "硬盘", "无此类别"}, {"按规格搜索", "通用", "无此规格"},
    {"按库存量搜索", "5", "999999"},       {"按供货商搜索", "百脑汇", "无此供货商"},
    {"低于警戒库存", "x", nullptr}, // needs no text
};

// "查询[&F]" on the current stock, the list painted.
void BM_CurrentStockSearches(benchmark::State &state, const char *label, const char *text)
{
    StockListBench *b = require(state);
    if (!b)
        return;
    QMdiArea workspace;
    workspace.resize(1280, 800);
    workspace.show();
    auto *screen = b->open<TForm_curstock>(workspace, "当前库存");
    for (auto _ : state) {
        screen->form().search(QString::fromUtf8(label), QString::fromUtf8(text));
        ListBench::settle();
    }
    state.counters["rows_shown"] = screen->form().rowCount();
    delete screen->parentWidget();
}

// "库存总金额：" alone.
void BM_CurrentStockTotalValue(benchmark::State &state)
{
    StockListBench *b = require(state);
    if (!b)
        return;
    Money total;
    for (auto _ : state)
        total = StockValuation(b->ctx.database()).total();
    state.counters["yuan"] = double(total.units() / Money::Scale);
}

// "入库单" / "出库单" opened: the bills' first rows and the newest bill's lines painted.
void BM_StockBillsOpen(benchmark::State &state, const char *node)
{
    StockListBench *b = require(state);
    if (!b)
        return;
    QMdiArea workspace;
    workspace.resize(1280, 800);
    workspace.show();
    for (auto _ : state) {
        auto *screen = b->open<StockBillScreen>(workspace, node);
        state.PauseTiming();
        state.counters["bills_shown"] = screen->form().rowCount();
        state.counters["lines_shown"] = screen->form().lines().rowCount();
        delete screen->parentWidget();
        state.ResumeTiming();
    }
}

const SearchCase BillSearches[] = {
    {"按单据编号查询", "-2612", "无此单据"}, {"按配件名称查询", "硬盘", "无此配件"},
    {"按配件类别查询", "内存", "无此类别"},  {"按经办人查询", "小王", "无此人"},
    {"按配件编号查询", "P0001", "Q9"},      {"按备注查询", nullptr, "无此备注"}, // the sample's lines have no remarks
};

// "查询[&F]" on a bill list, the bills and the first bill's lines painted.
void BM_StockBillsSearches(benchmark::State &state, const char *node, const char *label, const char *text)
{
    StockListBench *b = require(state);
    if (!b)
        return;
    QMdiArea workspace;
    workspace.resize(1280, 800);
    workspace.show();
    auto *screen = b->open<StockBillScreen>(workspace, node);
    for (auto _ : state) {
        screen->form().search(QString::fromUtf8(label), QString::fromUtf8(text));
        ListBench::settle();
    }
    state.counters["bills_shown"] = screen->form().rowCount();
    delete screen->parentWidget();
}

// A bill chosen in the list (one of the first page's, the next each time): its lines painted.
void BM_StockBillSelects(benchmark::State &state, const char *node)
{
    StockListBench *b = require(state);
    if (!b)
        return;
    QMdiArea workspace;
    workspace.resize(1280, 800);
    workspace.show();
    auto *screen = b->open<StockBillScreen>(workspace, node);
    const int bills = std::min(screen->form().rowCount(), ListModel::PageSize);
    int row = 0;
    for (auto _ : state) {
        row = (row + 1) % bills;
        screen->grid->selectRow(row);
        ListBench::settle();
    }
    state.counters["lines_shown"] = screen->form().lines().rowCount();
    delete screen->parentWidget();
}

// The bill list paged to its end, and one plain statement reading the same rows.
void BM_StockBillsPageToEnd(benchmark::State &state, StockBillsForm::Kind kind)
{
    StockListBench *b = require(state);
    if (!b)
        return;
    for (auto _ : state) {
        StockBillsForm form(b->ctx, kind);
        form.open();
        form.model().fetchAll();
        state.counters["bills"] = form.rowCount();
    }
}

void BM_StockBillsPlainScan(benchmark::State &state, StockBillsForm::Kind kind)
{
    StockListBench *b = require(state);
    if (!b)
        return;
    const ListDeclaration d = StockBillsForm::declarationFor(kind);
    ListQuery q;
    q.columns = d.columns;
    q.sort = d.defaultSort;
    q.distinct = true;
    qint64 rows = 0;
    for (auto _ : state)
        rows = ListModel::readThrough(b->ctx.database(), q);
    state.counters["bills"] = double(rows);
}

[[maybe_unused]] const bool registered = [] {
    using benchmark::RegisterBenchmark;
    auto ms = [](benchmark::internal::Benchmark *b) { b->Unit(benchmark::kMillisecond); };
    ms(RegisterBenchmark("BM_CurrentStockOpens", BM_CurrentStockOpens, false));
    ms(RegisterBenchmark("BM_CurrentStockOpens/warning_view", BM_CurrentStockOpens, true));
    for (const SearchCase &s : StockSearches) {
        ms(RegisterBenchmark((std::string("BM_CurrentStockSearches/") + s.label + "/many").c_str(),
                             BM_CurrentStockSearches, s.label, s.many));
        if (s.none)
            ms(RegisterBenchmark((std::string("BM_CurrentStockSearches/") + s.label + "/none").c_str(),
                                 BM_CurrentStockSearches, s.label, s.none));
    }
    ms(RegisterBenchmark("BM_CurrentStockTotalValue", BM_CurrentStockTotalValue));
    for (const char *node : {"入库单", "出库单"}) {
        const std::string n = node;
        ms(RegisterBenchmark(("BM_StockBillsOpen/" + n).c_str(), BM_StockBillsOpen, node));
        ms(RegisterBenchmark(("BM_StockBillSelects/" + n).c_str(), BM_StockBillSelects, node));
        for (const SearchCase &s : BillSearches) {
            if (s.many)
                ms(RegisterBenchmark(("BM_StockBillsSearches/" + n + "/" + s.label + "/many").c_str(),
                                     BM_StockBillsSearches, node, s.label, s.many));
            if (s.none)
                ms(RegisterBenchmark(("BM_StockBillsSearches/" + n + "/" + s.label + "/none").c_str(),
                                     BM_StockBillsSearches, node, s.label, s.none));
        }
    }
    const std::pair<const char *, StockBillsForm::Kind> kinds[] = {{"入库单", StockBillsForm::Kind::StockIn},
                                                                   {"出库单", StockBillsForm::Kind::StockOut}};
    for (const auto &[name, kind] : kinds) {
        ms(RegisterBenchmark((std::string("BM_StockBillsPageToEnd/") + name).c_str(), BM_StockBillsPageToEnd, kind)
               ->Iterations(2));
        ms(RegisterBenchmark((std::string("BM_StockBillsPlainScan/") + name).c_str(), BM_StockBillsPlainScan, kind)
               ->Iterations(2));
    }
    return true;
}();

} // namespace
