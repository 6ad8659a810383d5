// The customer screens on the ten-year sample (VANTREL_BENCH_DB, 60,000 customers, never
// analysed). Goals: the browser's first rows, of every customer and of one class, within 50 ms;
// each of its ten searches within 50 ms with a text taken from the file that matches many
// customers and with one that matches none; one customer's dealings (the customer with the most
// business in the file) within 50 ms. Each screen is the real one, made as the main window or the
// browser makes it and painted. Beside each figure, the rows it read. The preview of the
// browser's customer list and the whole list and labels written to PDF are in bench_print.cpp.
#include "BenchDatabase.h"
#include "ListBench.h"
#include "SilentPrompter.h"
#include "core/app/Right.h"
#include "data/db/Database.h"
#include "data/lists/ListModel.h"
#include "forms/app/AppContext.h"
#include "forms/customers/CustomerDeclarations.h"
#include "print/print/PageStore.h"
#include "ui/app/ScreenCatalog.h"
#include "ui/customers/TForm_customer.h"
#include "ui/customers/TForm_customertradeList.h"
#include "ui/lists/ListScreen.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMdiArea>
#include <QTabWidget>
#include <QTableView>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

struct CustomerBench
{
    SilentPrompter prompter;
    AppContext ctx;
    QString busiest;      // the customer with the most repairs and sales
    QString firstClass;   // the class of the first customer

    explicit CustomerBench(Database *db)
    {
        ctx.ConnStr = db->path();
        ctx.db = db;
        ctx.prompter = &prompter;
        ctx.OperatorRights = Rights::SuperUser;
        ctx.OperatorName = QStringLiteral("bench");
        busiest = scalar(QStringLiteral(
            "SELECT 客户 FROM (SELECT 客户, count(*) AS n FROM 维修 GROUP BY 客户 UNION ALL "
            "SELECT 客户名称, count(*) FROM 销售 GROUP BY 客户名称) GROUP BY 客户 ORDER BY sum(n) DESC LIMIT 1")).toString();
        firstClass = scalar(QStringLiteral("SELECT 类别 FROM 客户目录 ORDER BY 流水号 LIMIT 1")).toString();
    }

    static CustomerBench *instance()
    {
        static std::unique_ptr<CustomerBench> b;
        if (!b) {
            Database *db = BenchDatabase::open(BenchDatabase::largePath());
            if (!db)
                return nullptr;
            b = std::make_unique<CustomerBench>(db);
        }
        return b.get();
    }

    QVariant scalar(const QString &statement, const QVariantList &values = {}) const
    {
        return BenchDatabase::scalar(*ctx.db, statement, values);
    }

    // A word of the column that many customers share: the first two characters of the value the
    // column most often starts with (empty when the column is empty throughout the file).
    QString commonWord(const ColumnRef &column) const
    {
        return scalar(QStringLiteral("SELECT substr(\"%1\", 1, 2) AS w FROM 客户目录 WHERE coalesce(\"%1\", '') <> '' "
                                     "GROUP BY w ORDER BY count(*) DESC LIMIT 1").arg(column.column))
            .toString();
    }
    qint64 matching(const ColumnRef &column, const QString &word) const
    {
        return scalar(QStringLiteral("SELECT count(*) FROM 客户目录 WHERE instr(\"%1\", ?) > 0").arg(column.column), {word})
            .toLongLong();
    }
};

CustomerBench *require(benchmark::State &state)
{
    if (!qobject_cast<QApplication *>(QCoreApplication::instance())) {
        state.SkipWithError("needs a QApplication");
        return nullptr;
    }
    CustomerBench *b = CustomerBench::instance();
    if (!b)
        state.SkipWithError("VANTREL_BENCH_DB is not set");
    return b;
}

// The browser as the tree opens it: every customer, or a class node's.
TForm_customer *openBrowser(CustomerBench *b, QMdiArea &workspace, const QString &customerClass)
{
    const ScreenCatalog::Entry *entry = ScreenCatalog::instance().find(QStringLiteral("客户资料"));
    auto *screen = qobject_cast<TForm_customer *>(entry->create(b->ctx, nullptr, {.argument = customerClass}));
    ListBench::show(workspace, screen);
    return screen;
}

void BM_CustomerBrowserOpens(benchmark::State &state, bool oneClass)
{
    CustomerBench *b = require(state);
    if (!b)
        return;
    QMdiArea workspace;
    workspace.resize(1280, 800);
    workspace.show();
    const QString customerClass = oneClass ? b->firstClass : QString();
    for (auto _ : state) {
        TForm_customer *screen = openBrowser(b, workspace, customerClass);
        state.PauseTiming();
        state.counters["rows_shown"] = screen->form().rowCount();
        delete screen->parentWidget();
        state.ResumeTiming();
    }
    state.SetLabel(customerClass.toStdString());
}
BENCHMARK_CAPTURE(BM_CustomerBrowserOpens, all, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_CustomerBrowserOpens, one_class, true)->Unit(benchmark::kMillisecond);

// One search of the open browser (its first page painted), for each of the directory's search
// modes: a word of the file many customers share, and one no customer holds.
void BM_CustomerBrowserSearch(benchmark::State &state, int mode, bool many, bool oneClass)
{
    CustomerBench *b = require(state);
    if (!b)
        return;
    const CatalogDeclaration::SearchMode search = CustomerDeclarations::directory().searchModes.at(mode);
    const QString word = many ? b->commonWord(search.column) : QStringLiteral("无此内容ZQ9");
    if (word.isEmpty()) {
        state.SkipWithError("the sample holds no value in this column");
        return;
    }
    QMdiArea workspace;
    workspace.resize(1280, 800);
    workspace.show();
    TForm_customer *screen = openBrowser(b, workspace, oneClass ? b->firstClass : QString());
    for (auto _ : state) {
        screen->form().search(search.label, word);
        ListBench::settle();
    }
    state.SetLabel((search.label + u' ' + word).toStdString());
    state.counters["rows_shown"] = screen->form().rowCount();
    state.counters["rows_matching_in_file"] = double(b->matching(search.column, word));
    state.counters["planned_by_condition"] = screen->form().model().plannedDriver() >= 0;
    delete screen->parentWidget();
}

void registerSearches()
{
    const auto modes = CustomerDeclarations::directory().searchModes;
    for (int m = 0; m < modes.size(); ++m)
        for (const bool many : {true, false}) {
            const std::string name = "BM_CustomerBrowserSearch/" + std::to_string(m) + (many ? "/many" : "/none");
            benchmark::RegisterBenchmark(name.c_str(), BM_CustomerBrowserSearch, m, many, false)->Unit(benchmark::kMillisecond);
        }
    // Within a class: the class and the search together.
    benchmark::RegisterBenchmark("BM_CustomerBrowserSearch/class/name/many", BM_CustomerBrowserSearch, 0, true, true)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("BM_CustomerBrowserSearch/class/name/none", BM_CustomerBrowserSearch, 0, false, true)
        ->Unit(benchmark::kMillisecond);
}
const bool searchesRegistered = (registerSearches(), true);

// "往来业务>>" for the customer with the most business: the window made with its summary and
// painted.
void BM_CustomerDealingsOpens(benchmark::State &state)
{
    CustomerBench *b = require(state);
    if (!b)
        return;
    for (auto _ : state) {
        TForm_customertradeList w(b->ctx, b->busiest);
        w.show();
        benchmark::DoNotOptimize(w.grab());
    }
    state.SetLabel(b->busiest.toStdString());
    state.counters["repairs"] = double(b->scalar(QStringLiteral("SELECT count(*) FROM 维修 WHERE 客户 = ?"), {b->busiest}).toLongLong());
    state.counters["sales"] = double(b->scalar(QStringLiteral("SELECT count(*) FROM 销售 WHERE 客户名称 = ?"), {b->busiest}).toLongLong());
}
BENCHMARK(BM_CustomerDealingsOpens)->Unit(benchmark::kMillisecond);

// Each list tab of the dealings shown (listed again, as every showing does) and painted.
void BM_CustomerDealingsTab(benchmark::State &state, int tab)
{
    CustomerBench *b = require(state);
    if (!b)
        return;
    TForm_customertradeList w(b->ctx, b->busiest);
    w.show();
    for (auto _ : state) {
        state.PauseTiming();
        w.tabs->setCurrentIndex(0);
        state.ResumeTiming();
        w.tabs->setCurrentIndex(tab);
        benchmark::DoNotOptimize(w.grab());
    }
    const ListScreen *list = tab == 1 ? w.inHandList : tab == 2 ? w.finishedList : w.salesList;
    state.SetLabel(b->busiest.toStdString());
    state.counters["rows_shown"] = list->grid->model()->rowCount();
}
BENCHMARK_CAPTURE(BM_CustomerDealingsTab, in_hand, 1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_CustomerDealingsTab, finished, 2)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_CustomerDealingsTab, sales, 3)->Unit(benchmark::kMillisecond);

// "打印[&P]" of the dealings: every row of the three sections read and page 1 made, as the
// preview shows it.
void BM_CustomerDealingsPrint(benchmark::State &state)
{
    CustomerBench *b = require(state);
    if (!b)
        return;
    TForm_customertradeList w(b->ctx, b->busiest);
    int pages = 0;
    for (auto _ : state) {
        PageStore store;
        store.start(w.document());
        benchmark::DoNotOptimize(store.page(0));
        state.PauseTiming();
        store.waitForFinished();
        pages = store.pageCount();
        state.ResumeTiming();
    }
    state.SetLabel(b->busiest.toStdString());
    state.counters["pages"] = pages;
}
BENCHMARK(BM_CustomerDealingsPrint)->Unit(benchmark::kMillisecond);

} // namespace
