// The repair work queues on the ten-year sample (VANTREL_BENCH_DB), on a copy in which 2,000 jobs
// wait in each queue (check, handling, settlement and charge). Goals: a queue opens, its days in
// hand brought up to date, within 50 ms; "转入结算" of a job with 10 part lines within 20 ms;
// "确认收费" within 15 ms. Every figure holds one commit of the file; on a disk shared with builds
// its flush varies a lot: compare the best of repeated runs.
#include "BenchDatabase.h"
#include "ListBench.h"
#include "SilentPrompter.h"
#include "core/app/Right.h"
#include "core/repair/RepairFees.h"
#include "core/repair/RepairState.h"
#include "data/catalogs/PartsCatalog.h"
#include "data/db/Database.h"
#include "data/lists/ListModel.h"
#include "data/repair/RepairStore.h"
#include "data/repair/RepairTable.h"
#include "data/repair/RepairWorkflow.h"
#include "data/stock/StockLedger.h"
#include "forms/app/AppContext.h"
#include "forms/repair/ChargeForm.h"
#include "forms/repair/CheckForm.h"
#include "forms/repair/RepairDealWithForm.h"
#include "ui/app/ScreenCatalog.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTableView>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

constexpr int Waiting = 2000;
const char *const Technician = "王师傅";

QStringList numbersOf(RepairQueueForm &form)
{
    form.model().fetchAll();
    QStringList n;
    for (int row = 0; row < form.rowCount(); ++row)
        n << form.number(row);
    return n;
}

struct WorkBench
{
    SilentPrompter prompter{true};
    AppContext ctx;
    QString settleJob; // a job awaiting repair with 10 part lines of stocked parts
    QList<RepairPartLine> settleLines;
    QString chargeJob; // a job awaiting charge

    explicit WorkBench(Database *db)
    {
        ctx.ConnStr = db->path();
        ctx.db = db;
        ctx.prompter = &prompter;
        ctx.OperatorRights = Rights::SuperUser;
        ctx.OperatorName = QStringLiteral("bench");
    }

    // Puts a job in a state through the detail window's free edit, as the super user would.
    void setState(const QString &number, const QString &state, const QList<RepairPartLine> *lines = nullptr)
    {
        RepairStore store(ctx.database());
        std::optional<RepairJob> job = store.find(number);
        if (!job)
            return;
        job->state = state;
        store.update(*job, std::nullopt, lines ? *lines : store.parts(number));
    }

    // 2,000 jobs in each queue: the surplus of the check queue moved on to handling or ended,
    // that of the charge queue ended.
    void arrange()
    {
        CheckForm check(ctx, RightsTable::Access::Full);
        check.load();
        QStringList checking = numbersOf(check);
        RepairDealWithForm deal(ctx, RightsTable::Access::Full);
        deal.load();
        const int handling = int(numbersOf(deal).size());
        RepairWorkflow flow(ctx.database());
        for (int i = handling; i < Waiting && !checking.isEmpty(); ++i)
            flow.finishQuote(checking.takeFirst());
        while (checking.size() > Waiting)
            setState(checking.takeFirst(), RepairState::Ended);
        ChargeForm charge(ctx);
        charge.load();
        QStringList charging = numbersOf(charge);
        while (charging.size() > Waiting)
            setState(charging.takeFirst(), RepairState::Ended);

        // The job "转入结算" takes out of stock: ten part lines of parts the sample stocks.
        deal.load();
        settleJob = deal.number(0);
        PartsCatalog catalog(ctx.database());
        StockLedger ledger(ctx.database());
        for (const PartRecord &p : catalog.all()) {
            const std::optional<StockRow> row = ledger.row(p.partNo);
            if (!row || row->quantity < 40)
                continue;
            RepairPartLine l;
            l.number = settleJob;
            l.partCode = p.partNo;
            l.partName = p.name;
            l.quantity = 1;
            l.unitPrice = p.repairPrice;
            l.total = p.repairPrice;
            settleLines << l;
            if (settleLines.size() == 10)
                break;
        }
        setState(settleJob, RepairState::AwaitingRepair, &settleLines);
        charge.load();
        for (int row = 0; row < charge.rowCount() && chargeJob.isEmpty(); ++row)
            if (charge.text(row, RepairTable::State) == RepairState::AwaitingCharge)
                chargeJob = charge.number(row);
    }

    static WorkBench *instance()
    {
        static std::unique_ptr<WorkBench> b;
        if (!b) {
            Database *db = BenchDatabase::copy(BenchDatabase::largePath());
            if (!db)
                return nullptr;
            b = std::make_unique<WorkBench>(db);
            b->arrange();
        }
        return b.get();
    }
};

WorkBench *require(benchmark::State &state)
{
    WorkBench *b = WorkBench::instance();
    if (!b)
        state.SkipWithError("VANTREL_BENCH_DB is not set");
    return b;
}

// Opening a queue as the main window does: made by the screen catalog under the access its tree
// node grants, the days in hand brought up to date, the first page listed, shown maximised.
// newDay: each opening on the next day, so every waiting job's days change and are written (the
// first opening of a day); otherwise the same day again, when nothing changes.
void BM_RepairQueueOpens(benchmark::State &state, const char *node, bool newDay, bool technician)
{
    WorkBench *b = require(state);
    if (!b)
        return;
    const ScreenCatalog::Entry *entry = ScreenCatalog::instance().find(QString::fromUtf8(node));
    b->ctx.OperatorRights = technician ? quint32(Right::TechnicianView) : Rights::SuperUser;
    b->ctx.OperatorName = technician ? QString::fromUtf8(Technician) : QStringLiteral("bench");
    const ScreenCatalog::Opening opening{entry->rule.evaluate(b->ctx.OperatorRights)};
    QMdiArea workspace;
    workspace.resize(1280, 800);
    workspace.show();
    QDate day = QDate::currentDate();
    b->ctx.fixedToday = day;
    delete entry->create(b->ctx, nullptr, opening); // the days of today, once
    int rows = 0;
    for (auto _ : state) {
        state.PauseTiming();
        if (newDay)
            b->ctx.fixedToday = day = day.addDays(1);
        state.ResumeTiming();
        QWidget *screen = entry->create(b->ctx, nullptr, opening);
        QMdiSubWindow *w = ListBench::show(workspace, screen);
        state.PauseTiming();
        rows = screen->findChild<QTableView *>()->model()->rowCount();
        delete w;
        state.ResumeTiming();
    }
    b->ctx.fixedToday = QDate();
    b->ctx.OperatorRights = Rights::SuperUser;
    b->ctx.OperatorName = QStringLiteral("bench");
    state.counters["rows_shown"] = rows;
}

// "转入结算" of a job with ten part lines: the next "ck-" number (2,000 taken today in the sample),
// ten stock rows and bill lines, the job, one transaction.
void BM_RepairToSettlement(benchmark::State &state)
{
    WorkBench *b = require(state);
    if (!b)
        return;
    RepairDealWithForm form(b->ctx, RightsTable::Access::Full);
    form.load();
    form.search(QStringLiteral("按业务编号查询"), b->settleJob);
    for (auto _ : state) {
        form.toSettlement(0);
        state.PauseTiming();
        if (form.text(0, RepairTable::State) != RepairState::AwaitingSettlement) {
            state.SkipWithError("the job did not move");
            return;
        }
        b->setState(b->settleJob, RepairState::AwaitingRepair, &b->settleLines);
        form.reread(0);
        state.ResumeTiming();
    }
    state.counters["lines"] = double(b->settleLines.size());
}

// "确认收费": the amount due charged, the job ended with its profit, its follow-up planned, one
// transaction.
void BM_RepairCharge(benchmark::State &state)
{
    WorkBench *b = require(state);
    if (!b || b->chargeJob.isEmpty()) {
        if (b)
            state.SkipWithError("no job awaiting charge");
        return;
    }
    ChargeForm form(b->ctx);
    form.load();
    form.search(QStringLiteral("按业务编号查询"), b->chargeJob);
    const RepairJob job = *form.job(0);
    const Money due = RepairFees::amountDue(RepairFees::total(job.partsFee, job.labourFee, job.extraFee), job.prepayment);
    const ChargeForm::ChargeInput input{due.toText(), QStringLiteral("FP-1"), QStringLiteral("现金"), job.remarks,
                                        QDate::currentDate()};
    for (auto _ : state) {
        if (form.confirmCharge(0, input) != ChargeForm::ChargeOutcome::Charged) {
            state.SkipWithError("the job was not charged");
            return;
        }
        state.PauseTiming();
        b->setState(b->chargeJob, RepairState::AwaitingCharge);
        form.reread(0);
        state.ResumeTiming();
    }
}

[[maybe_unused]] const bool registered = [] {
    using benchmark::RegisterBenchmark;
    auto ms = [](benchmark::internal::Benchmark *b) { b->Unit(benchmark::kMillisecond)->Iterations(20); };
    for (const char *node : {"检测报价", "维修处理", "结算收费"}) {
        ms(RegisterBenchmark((std::string("BM_RepairQueueOpens/") + node + "/first_of_the_day").c_str(),
                             BM_RepairQueueOpens, node, true, false));
        ms(RegisterBenchmark((std::string("BM_RepairQueueOpens/") + node + "/again").c_str(), BM_RepairQueueOpens,
                             node, false, false));
    }
    for (const char *node : {"检测报价", "维修处理"})
        ms(RegisterBenchmark((std::string("BM_RepairQueueOpens/technician/") + node + "/first_of_the_day").c_str(),
                             BM_RepairQueueOpens, node, true, true));
    ms(RegisterBenchmark("BM_RepairToSettlement", BM_RepairToSettlement));
    ms(RegisterBenchmark("BM_RepairCharge", BM_RepairCharge));
    return true;
}();

} // namespace
