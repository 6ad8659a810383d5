// Stock-in and the part picker. Targets: an eleven-line stock-in saved within 20 ms on the large
// sample file (VANTREL_BENCH_DB, run on a copy so the sample stays as generated); the part
// picker's search within 30 ms on a catalog of 20,000 parts.
#include "BenchDatabase.h"
#include "SilentPrompter.h"
#include "data/catalogs/CatalogStore.h"
#include "data/catalogs/PartsCatalog.h"
#include "data/db/Database.h"
#include "data/db/TransactionGuard.h"
#include "data/stock/BillNumbers.h"
#include "data/stock/StockLedger.h"
#include "forms/app/AppContext.h"
#include "forms/app/Prompter.h"
#include "forms/catalogs/PartsPickerForm.h"
#include "forms/stock/StockInForm.h"

#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QVariant>

namespace {

struct StockBenchDb
{
    QTemporaryDir dir;
    SilentPrompter prompter;
    AppContext ctx;
    std::unique_ptr<Database> db;
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
        const QString source = BenchDatabase::largePath();
        if (source.isEmpty())
            return nullptr;
        auto *b = new StockBenchDb;
        const QString path = QDir(b->dir.path()).filePath(QStringLiteral("data1.1.mdb"));
        if (!QFile::copy(source, path))
            return nullptr;
        b->db = std::make_unique<Database>(path);
        b->db->open();
        b->ctx.ConnStr = path;
        b->ctx.db = b->db.get();
        b->ctx.prompter = &b->prompter;
        b->ctx.OperatorName = QStringLiteral("测");
        const CatalogStore stock(*b->db, QStringLiteral("库存"), {QStringLiteral("编号")});
        for (const CatalogRow &r : stock.fetch(CatalogFilter::all(), 0, 10))
            b->partNos << r.values.value(0);
        for (const QString &no : b->partNos)
            b->rows << StockLedger(*b->db).row(no).value_or(StockRow{});
        return b;
    }();
    return instance;
}

// A fresh file whose catalog holds 20,000 parts.
StockBenchDb *catalogOf20000()
{
    static StockBenchDb *instance = [] {
        auto *b = new StockBenchDb;
        const QString path = QDir(b->dir.path()).filePath(QStringLiteral("data1.1.mdb"));
        Database::create(path);
        b->db = std::make_unique<Database>(path);
        b->db->open();
        b->ctx.db = b->db.get();
        b->ctx.prompter = &b->prompter;
        TransactionGuard guard(*b->db);
        PartsCatalog catalog(*b->db);
        for (int i = 0; i < 20000; ++i) {
            PartRecord p;
            p.partNo = QStringLiteral("PJ%1").arg(i, 6, 10, QLatin1Char('0'));
            p.name = QStringLiteral("配件名称%1号").arg(i);
            p.model = QStringLiteral("规格%1").arg(i % 97);
            p.category = QStringLiteral("类别%1").arg(i % 20);
            p.unit = QStringLiteral("个");
            catalog.add(p);
        }
        guard.commit();
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
        form.billNumber = BillNumbers(*b->db).NextBillNumber(BillKind::StockIn, QDate::currentDate());
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

// The part picker's "查找[&S]" by a piece of a name or number.
void BM_PartPickerSearch(benchmark::State &state)
{
    StockBenchDb *b = catalogOf20000();
    PartsPickerForm picker(b->ctx);
    for (auto _ : state) {
        benchmark::DoNotOptimize(picker.search(QStringLiteral("名称1234")));
        benchmark::DoNotOptimize(picker.parts().size());
    }
    state.counters["found"] = double(picker.parts().size());
}
BENCHMARK(BM_PartPickerSearch)->Unit(benchmark::kMillisecond);

// Opening the picker on every part ("全部").
void BM_PartPickerShowsAll(benchmark::State &state)
{
    StockBenchDb *b = catalogOf20000();
    PartsPickerForm picker(b->ctx);
    for (auto _ : state) {
        picker.showCategory(PartsPickerForm::All);
        benchmark::DoNotOptimize(picker.parts().size());
    }
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
