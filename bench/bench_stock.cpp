// Stock-in and the part picker. Targets: an eleven-line stock-in saved within 20 ms on the large
// sample file (VANTREL_BENCH_DB, run on a copy so the sample stays as generated); the part
// picker's search within 30 ms on a catalog of 20,000 parts.
#include "BenchDatabase.h"
#include "SilentPrompter.h"
#include "data/catalogs/CatalogStore.h"
#include "data/catalogs/PartsCatalog.h"
#include "data/db/Database.h"
#include "data/db/Schema.h"
#include "data/db/TransactionGuard.h"
#include "data/stock/BillNumbers.h"
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
};

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
        const CatalogStore stock(*b->db, {Schema::column(QStringLiteral("库存"), QStringLiteral("编号"))});
        for (const CatalogRow &r : stock.fetch(CatalogFilter::all(), 0, 10))
            b->partNos << r.values.value(0);
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
            const QString no = line < b->partNos.size() ? b->partNos.at(line)
                                                        : QStringLiteral("BENCH-%1").arg(round);
            const QStringList cells = {no, QStringLiteral("件"), QStringLiteral("类"), QStringLiteral("个"),
                                       QString(), QString::number(1 + line), QStringLiteral("2.5"),
                                       QString::number(2.5 * (1 + line)), QString(), QString()};
            for (int c = 0; c < cells.size(); ++c)
                form.setCell(line, c, cells.at(c));
        }
        ++round;
        state.ResumeTiming();
        benchmark::DoNotOptimize(form.stockIn());
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
        const QStringList cells = {b->partNos.value(0), QStringLiteral("件"), QString(), QString(), QString(),
                                   QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("2"), QString(), QString()};
        for (int c = 0; c < cells.size(); ++c)
            form.setCell(0, c, cells.at(c));
        state.ResumeTiming();
        benchmark::DoNotOptimize(form.stockIn());
    }
}
BENCHMARK(BM_StockInOneLine)->Unit(benchmark::kMillisecond);
} // namespace
