// Sales on the ten-year sample (VANTREL_BENCH_DB). Goals: a nineteen-line sale saved within 20 ms
// (on a copy, so the sample stays as generated); "校验>>" of an SN within 30 ms over the sample's
// 400,000 sale lines, and the return's look-up of the SN among the 600,000 repair part lines; the
// sales query's first rows within 100 ms and its search by customer within 300 ms, with a text
// that matches many sales and one that matches none.
#include "BenchDatabase.h"
#include "ListBench.h"
#include "SilentPrompter.h"
#include "core/app/Right.h"
#include "data/catalogs/CatalogStore.h"
#include "data/customers/CustomerStore.h"
#include "data/db/Database.h"
#include "data/db/Schema.h"
#include "data/lists/ListModel.h"
#include "data/sales/ReturnStore.h"
#include "data/sales/SalesStore.h"
#include "data/stock/StockLedger.h"
#include "forms/app/AppContext.h"
#include "forms/sales/SaleForm.h"
#include "forms/sales/SalesQueryForm.h"
#include "forms/sales/SellBackForm.h"
#include "ui/app/ScreenCatalog.h"
#include "ui/sales/TForm_sell_sh.h"

#include <QMdiArea>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

struct SalesBench
{
    SilentPrompter prompter{true}; // every question answered OK: the customer is known
    AppContext ctx;
    QList<StockRow> rows; // nineteen stocked parts
    QString customer;
    QString customerClass;
    QString recentSerial; // one serial number of the newest sale that has one

    explicit SalesBench(Database *db)
    {
        ctx.ConnStr = db->path();
        ctx.db = db;
        ctx.prompter = &prompter;
        ctx.OperatorRights = Rights::SuperUser;
        ctx.OperatorName = QStringLiteral("bench");
    }

    // The sample as it is, for the reads.
    static SalesBench *reading()
    {
        static std::unique_ptr<SalesBench> b;
        if (!b) {
            Database *db = BenchDatabase::open(BenchDatabase::largePath());
            if (!db)
                return nullptr;
            b = std::make_unique<SalesBench>(db);
            b->findRecentSerial();
        }
        return b.get();
    }

    // A copy of the sample for the sale: nineteen of its parts stocked well enough for every
    // round, received on one stock-in bill.
    static SalesBench *writing()
    {
        static std::unique_ptr<SalesBench> b;
        if (!b) {
            Database *db = BenchDatabase::copy(BenchDatabase::largePath());
            if (!db)
                return nullptr;
            b = std::make_unique<SalesBench>(db);
            const CatalogStore stock(*db, {Schema::column(QStringLiteral("库存"), QStringLiteral("编号"))});
            StockInBill bill;
            bill.billNumber = QStringLiteral("rk-bench-1");
            bill.date = QDate::currentDate();
            for (const CatalogRow &r : stock.fetch(CatalogFilter::all(), SaleForm::LineCount)) {
                const StockRow row = StockLedger(*db).row(r.values.value(0)).value_or(StockRow{});
                bill.lines << StockInBill::Line{row.partNo, row.name, row.category, row.model, row.unit, 1000000,
                                                row.purchasePrice, Money(), row.warranty, row.remarks};
            }
            StockLedger(*db).stockIn(bill);
            for (const StockInBill::Line &l : bill.lines)
                b->rows << StockLedger(*db).row(l.partNo).value_or(StockRow{});
            SalesQueryForm sales(b->ctx);
            sales.load();
            b->customer = sales.text(0, Schema::column("销售", "客户名称"));
            const auto known = CustomerStore(*db).find(b->customer);
            b->customerClass = known ? known->customerClass : QString();
            if (!CustomerStore(*db).followsUp(b->customerClass))
                b->customerClass = CustomerStore(*db).classes().value(0);
        }
        return b.get();
    }

    void findRecentSerial()
    {
        SalesQueryForm sales(ctx);
        sales.load();
        const SalesStore store(ctx.database());
        for (int row = 0; row < sales.rowCount() && recentSerial.isEmpty(); ++row) {
            if (row + 1 >= sales.rowCount())
                sales.model().fetchMore();
            for (const SaleLine &l : store.lines(sales.number(row)))
                if (!l.serials.isEmpty()) {
                    recentSerial = l.serials.split(u',').first();
                    break;
                }
        }
    }
};

template <typename Make>
SalesBench *require(benchmark::State &state, Make make)
{
    SalesBench *b = make();
    if (!b)
        state.SkipWithError("VANTREL_BENCH_DB is not set");
    return b;
}

// "售出[&S]" of nineteen lines to a known customer: the checks, the stock of every line, the
// whole write in one transaction and the form made ready for the next sale.
void BM_SaleNineteenLines(benchmark::State &state)
{
    SalesBench *b = require(state, SalesBench::writing);
    if (!b)
        return;
    SaleForm form(b->ctx);
    form.open();
    for (auto _ : state) {
        state.PauseTiming();
        BillLineModel &l = form.lines();
        for (int line = 0; line < SaleForm::LineCount; ++line) {
            const StockRow &row = b->rows.at(line);
            l.setText(line, SaleForm::PartNo, row.partNo);
            l.setText(line, SaleForm::Name, row.name);
            l.setText(line, SaleForm::Category, row.category);
            l.setText(line, SaleForm::Unit, row.unit);
            l.setText(line, SaleForm::Model, row.model);
            l.setText(line, SaleForm::Quantity, QStringLiteral("1"));
            l.setText(line, SaleForm::Price, QStringLiteral("12.5"));
            l.setText(line, SaleForm::Serials, QStringLiteral("BENCH%1").arg(line));
        }
        form.customer = b->customer;
        form.customerClass = b->customerClass;
        form.phone = QStringLiteral("13800000000");
        state.ResumeTiming();
        if (form.sell() != SaleForm::Field::None) {
            state.SkipWithError("the sale was refused: nothing measured");
            return;
        }
    }
}
BENCHMARK(BM_SaleNineteenLines)->Unit(benchmark::kMillisecond);

// "校验>>": the first sold line whose serial numbers hold the text, its stock-out line and
// customer. A serial of a recent sale, a text that begins most serial numbers, and one no
// serial holds.
void BM_SaleCheckSerial(benchmark::State &state, const char *which)
{
    SalesBench *b = require(state, SalesBench::reading);
    if (!b)
        return;
    const QString serial = QString::fromUtf8(which) == u"recent" ? b->recentSerial : QString::fromUtf8(which);
    state.SetLabel(serial.toStdString());
    SellBackForm form(b->ctx);
    bool found = false;
    for (auto _ : state) {
        form.serial = serial;
        found = form.check() == SellBackForm::Field::Return;
    }
    state.counters["found"] = found;
}
BENCHMARK_CAPTURE(BM_SaleCheckSerial, recent, "recent")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SaleCheckSerial, many, "SN")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SaleCheckSerial, none, "ZQZQ9")->Unit(benchmark::kMillisecond);

// "退货>>" first asks whether a repair part line carries the SN: 600,000 lines, by the index.
void BM_ReturnPartLineCheck(benchmark::State &state, const char *which)
{
    SalesBench *b = require(state, SalesBench::reading);
    if (!b)
        return;
    const QString serial = QString::fromUtf8(which) == u"recent" ? b->recentSerial : QString::fromUtf8(which);
    const ReturnStore store(b->ctx.database());
    bool found = false;
    for (auto _ : state)
        benchmark::DoNotOptimize(found = store.partLineHasSerial(serial));
    state.counters["found"] = found;
}
BENCHMARK_CAPTURE(BM_ReturnPartLineCheck, sale_serial, "recent")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ReturnPartLineCheck, none, "ZQZQ9")->Unit(benchmark::kMillisecond);

TForm_sell_sh *openQuery(SalesBench *b, QMdiArea &workspace)
{
    const ScreenCatalog::Entry *entry = ScreenCatalog::instance().find(QStringLiteral("销售查询"));
    auto *screen = qobject_cast<TForm_sell_sh *>(entry->create(b->ctx, nullptr));
    ListBench::show(workspace, screen);
    return screen;
}

// Opening "销售查询": the screen is made, lists its first page newest first with the lines of
// the first sale, and paints.
void BM_SalesQueryOpens(benchmark::State &state)
{
    SalesBench *b = require(state, SalesBench::reading);
    if (!b)
        return;
    QMdiArea workspace;
    workspace.resize(1280, 800);
    workspace.show();
    for (auto _ : state) {
        TForm_sell_sh *screen = openQuery(b, workspace);
        state.PauseTiming();
        state.counters["rows_shown"] = screen->form().rowCount();
        delete screen->parentWidget();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_SalesQueryOpens)->Unit(benchmark::kMillisecond);

// A search of the open query, its first page painted.
void BM_SalesQuerySearch(benchmark::State &state, const char *mode, const char *text)
{
    SalesBench *b = require(state, SalesBench::reading);
    if (!b)
        return;
    QMdiArea workspace;
    workspace.resize(1280, 800);
    workspace.show();
    TForm_sell_sh *screen = openQuery(b, workspace);
    const QString label = QString::fromUtf8(mode);
    const QString t = QString::fromUtf8(text);
    for (auto _ : state) {
        screen->form().search(label, t);
        ListBench::settle();
    }
    state.counters["rows_shown"] = screen->form().rowCount();
    state.counters["planned_by_condition"] = screen->form().model().plannedDriver() >= 0;
    delete screen->parentWidget();
}
BENCHMARK_CAPTURE(BM_SalesQuerySearch, customer_many, "按客户名称查询", "公司")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SalesQuerySearch, customer_none, "按客户名称查询", "无此客户")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SalesQuerySearch, amount, "按所收金额查询", "100")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SalesQuerySearch, serial_many, "按配件SN查询", "SN")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SalesQuerySearch, serial_none, "按配件SN查询", "ZQZQ9")->Unit(benchmark::kMillisecond);

// The whole sales list paged to its end.
void BM_SalesQueryScrollsToEnd(benchmark::State &state)
{
    SalesBench *b = require(state, SalesBench::reading);
    if (!b)
        return;
    QMdiArea workspace;
    workspace.resize(1280, 800);
    workspace.show();
    for (auto _ : state) {
        state.PauseTiming();
        TForm_sell_sh *screen = openQuery(b, workspace);
        state.ResumeTiming();
        state.counters["rows"] = ListBench::scrollToEnd(screen->grid);
        state.PauseTiming();
        ListBench::reportMemory(state);
        delete screen->parentWidget();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_SalesQueryScrollsToEnd)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace
