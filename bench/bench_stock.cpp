// Stock-in and the part picker on the ten-year sample (VANTREL_BENCH_DB). Targets: an
// eleven-line stock-in saved within 20 ms (on a copy, so the sample stays as generated); the part
// picker's every class and its search (a text many parts match and one none matches) within 30 ms
// on the sample's catalog of 20,000 parts.
#include "BenchDatabase.h"
#include "SilentPrompter.h"
#include "data/catalogs/CatalogStore.h"
#include "data/db/Database.h"
#include "data/db/Schema.h"
#include "data/stock/BillNumbers.h"
#include "data/stock/StockLedger.h"
#include "forms/app/AppContext.h"
#include "forms/app/Prompter.h"
#include "forms/catalogs/PartsPickerForm.h"
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
        for (const CatalogRow &r : stock.fetch(CatalogFilter::all(), 0, 10))
            b->partNos << r.values.value(0);
        for (const QString &no : b->partNos)
            b->rows << StockLedger(*db).row(no).value_or(StockRow{});
        return b;
    }();
    return instance;
}

// The large sample as it is, for the picker (it only reads); null when VANTREL_BENCH_DB is not set.
StockBenchDb *largeSample()
{
    static StockBenchDb *instance = []() -> StockBenchDb * {
        Database *db = BenchDatabase::open(BenchDatabase::largePath());
        if (!db)
            return nullptr;
        auto *b = new StockBenchDb;
        b->ctx.ConnStr = db->path();
        b->ctx.db = db;
        b->ctx.prompter = &b->prompter;
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

// The part picker's "查找[&S]" by a piece of a name or number: a text many parts hold, and one
// no part holds (every row is read).
void BM_PartPickerSearch(benchmark::State &state, const char *text)
{
    StockBenchDb *b = largeSample();
    if (!b) {
        state.SkipWithError("VANTREL_BENCH_DB is not set");
        return;
    }
    PartsPickerForm picker(b->ctx);
    const QString s = QString::fromUtf8(text);
    for (auto _ : state) {
        benchmark::DoNotOptimize(picker.search(s));
        benchmark::DoNotOptimize(picker.parts().size());
    }
    state.counters["found"] = double(picker.parts().size());
}
BENCHMARK_CAPTURE(BM_PartPickerSearch, many_names, "内存")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_PartPickerSearch, every_number, "P0")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_PartPickerSearch, none, "无此配件")->Unit(benchmark::kMillisecond);

// The picker's class box: every class in turn, then "全部" (every part); the time is for all of
// them together.
void BM_PartPickerShowsEachClass(benchmark::State &state)
{
    StockBenchDb *b = largeSample();
    if (!b) {
        state.SkipWithError("VANTREL_BENCH_DB is not set");
        return;
    }
    PartsPickerForm picker(b->ctx);
    const QStringList classes = picker.categories();
    qsizetype shown = 0;
    for (auto _ : state) {
        shown = 0;
        for (const QString &c : classes) {
            picker.showCategory(c);
            shown += picker.parts().size();
        }
    }
    state.counters["classes"] = double(classes.size());
    state.counters["rows_shown"] = double(shown);
}
BENCHMARK(BM_PartPickerShowsEachClass)->Unit(benchmark::kMillisecond);

// Opening the picker on every part ("全部").
void BM_PartPickerShowsAll(benchmark::State &state)
{
    StockBenchDb *b = largeSample();
    if (!b) {
        state.SkipWithError("VANTREL_BENCH_DB is not set");
        return;
    }
    PartsPickerForm picker(b->ctx);
    for (auto _ : state) {
        picker.showCategory(PartsPickerForm::All);
        benchmark::DoNotOptimize(picker.parts().size());
    }
    state.counters["rows_shown"] = double(picker.parts().size());
}
BENCHMARK(BM_PartPickerShowsAll)->Unit(benchmark::kMillisecond);

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
