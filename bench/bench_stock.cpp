// Stock-in on the ten-year sample (VANTREL_BENCH_DB). Target: an eleven-line stock-in saved
// within 20 ms (on a copy, so the sample stays as generated). The part picker is timed with the
// other catalogs (bench_catalogs.cpp).
#include "BenchDatabase.h"
#include "SilentPrompter.h"
#include "data/catalogs/CatalogStore.h"
#include "data/db/Database.h"
#include "data/db/Schema.h"
#include "data/stock/BillNumbers.h"
#include "data/stock/StockLedger.h"
#include "forms/app/AppContext.h"
#include "forms/app/Prompter.h"
#include "forms/stock/StockInForm.h"

#include <benchmark/benchmark.h>

#include <QVariant>

namespace {

struct StockBenchDb
{
    SilentPrompter prompter;
    AppContext ctx;
    QStringList partNos;
    QList<StockRow> rows; // the stock rows of partNos, as the sample holds them
};

// Types a line as the clerk would for a stocked part: its own texts, a count and a price; the
// amount follows. Writing the row's own texts back keeps the sample as it was, run after run.
void typeLine(StockInForm &form, int line, const StockRow &row, qint64 quantity, const QString &price)
{
    BillLineModel &l = form.lines();
    l.setText(line, StockInForm::PartNo, row.partNo);
    l.setText(line, StockInForm::Name, row.name);
    l.setText(line, StockInForm::Category, row.category);
    l.setText(line, StockInForm::Unit, row.unit);
    l.setText(line, StockInForm::Model, row.model);
    l.setText(line, StockInForm::Quantity, QString::number(quantity));
    l.setText(line, StockInForm::Price, price);
    l.setText(line, StockInForm::Warranty, row.warranty);
    l.setText(line, StockInForm::Remarks, row.remarks);
}

// A copy of the large sample with a context; null when VANTREL_BENCH_DB is not set.
StockBenchDb *largeCopy()
{
    static StockBenchDb *instance = []() -> StockBenchDb * {
        Database *db = BenchDatabase::copy(BenchDatabase::largePath());
        if (!db)
            return nullptr;
        auto *b = new StockBenchDb;
        b->ctx.ConnStr = db->path();
        b->ctx.db = db;
        b->ctx.prompter = &b->prompter;
        b->ctx.OperatorName = QStringLiteral("测");
        const CatalogStore stock(*db, {Schema::column(QStringLiteral("库存"), QStringLiteral("编号"))});
        for (const CatalogRow &r : stock.fetch(CatalogFilter::all(), 10))
            b->partNos << r.values.value(0);
        for (const QString &no : b->partNos)
            b->rows << StockLedger(*db).row(no).value_or(StockRow{});
        return b;
    }();
    return instance;
}

// The whole save of an eleven-line bill: the check pass and both writes in one transaction.
void BM_StockInElevenLines(benchmark::State &state)
{
    StockBenchDb *b = largeCopy();
    if (!b) {
        state.SkipWithError("VANTREL_BENCH_DB is not set");
        return;
    }
    StockInForm form(b->ctx);
    form.open();
    int round = 0;
    for (auto _ : state) {
        state.PauseTiming();
        form.billNumber = BillNumbers(b->ctx.database()).NextBillNumber(BillKind::StockIn, QDate::currentDate());
        for (int line = 0; line < StockInForm::LineCount; ++line) {
            // Ten stocked parts and one new one each round.
            StockRow row;
            if (line < b->rows.size()) {
                row = b->rows.at(line);
            } else {
                row.partNo = QStringLiteral("BENCH-%1").arg(round);
                row.name = QStringLiteral("新配件");
                row.category = QStringLiteral("类别1");
                row.unit = QStringLiteral("个");
            }
            typeLine(form, line, row, 1 + line, QStringLiteral("2.5"));
        }
        ++round;
        state.ResumeTiming();
        if (form.stockIn() != StockInForm::Outcome::SavedContinue) {
            state.SkipWithError("the bill was refused: nothing measured");
            return;
        }
    }
}
BENCHMARK(BM_StockInElevenLines)->Unit(benchmark::kMillisecond);

} // namespace

namespace {
// One line alone: the cost of a commit on the file, for comparison with the eleven lines.
void BM_StockInOneLine(benchmark::State &state)
{
    StockBenchDb *b = largeCopy();
    if (!b) {
        state.SkipWithError("VANTREL_BENCH_DB is not set");
        return;
    }
    StockInForm form(b->ctx);
    form.open();
    for (auto _ : state) {
        state.PauseTiming();
        typeLine(form, 0, b->rows.value(0), 1, QStringLiteral("2"));
        state.ResumeTiming();
        if (form.stockIn() != StockInForm::Outcome::SavedContinue) {
            state.SkipWithError("the bill was refused: nothing measured");
            return;
        }
    }
}
BENCHMARK(BM_StockInOneLine)->Unit(benchmark::kMillisecond);
} // namespace
