// Print engine: the ten-year sample's customer directory (VANTREL_BENCH_DB, 60,000 customers,
// about 1,000 pages) as a list in the preview. Measures how soon the first page is on screen
// (reading the rows included), how long a page step takes while the rest is still being made,
// and the total time to make every page.
#include "BenchDatabase.h"
#include "SilentPrompter.h"
#include "data/catalogs/CatalogStore.h"
#include "data/customers/CustomerTable.h"
#include "print/print/PageStore.h"
#include "print/print/ReportLayout.h"
#include "ui/print/PreviewPageView.h"
#include "ui/print/TForm_Preview.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <benchmark/benchmark.h>

namespace {

// The benchmark program's main creates the QApplication the preview needs.
bool haveApplication()
{
    return qobject_cast<QApplication *>(QCoreApplication::instance()) != nullptr;
}

// The directory as printed: one row per customer, read from the file.
ReportLayout customerList(Database &db)
{
    ReportLayout l;
    l.documentName = QStringLiteral("客户清单");
    l.title.height = 14;
    l.title.text(0, 0, 190, 10, QStringLiteral("客户清单")).size(16).heavy().centre();
    l.rowHeight = 4.4;
    l.captionHeight = 5;
    l.detailPt = 8;
    namespace T = CustomerTable;
    l.setColumns({{QStringLiteral("客户名称"), 30}, {QStringLiteral("类别"), 18}, {QStringLiteral("联系人"), 20},
                  {QStringLiteral("联系电话"), 28}, {QStringLiteral("地址"), 0}});
    const CatalogStore store(db, {T::Name, T::Class, T::Contact, T::Phone, T::Address}, T::Name);
    for (const CatalogRow &r : store.all())
        l.rows << r.values;
    l.summary.height = 8;
    l.summary.text(0, 1, 190, 7, QStringLiteral("合计：%1户").arg(l.rows.size()));
    l.pageFooter.height = 6;
    l.pageFooter.text(0, 0, 190, 6, QStringLiteral("第{page}页")).centre();
    return l;
}

void BM_PrintPreviewLargeList(benchmark::State &state)
{
    if (!haveApplication()) {
        state.SkipWithError("needs a QApplication");
        return;
    }
    Database *db = BenchDatabase::open(BenchDatabase::largePath());
    if (!db) {
        state.SkipWithError("VANTREL_BENCH_DB is not set");
        return;
    }
    SilentPrompter prompter;
    double firstMs = 0, worstStepMs = 0, totalMs = 0;
    int pages = 0, steps = 0;
    for (auto _ : state) {
        QElapsedTimer clock;
        clock.start();
        const ReportLayout layout = customerList(*db);
        auto store = std::make_shared<PageStore>(layout.documentName);
        store->start(layout);
        TForm_Preview preview(prompter, store);
        preview.resize(1000, 800);
        while (preview.pageCount() == 0)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
        QCoreApplication::processEvents();
        const QPixmap first = preview.pageView()->grab(); // the first page painted
        benchmark::DoNotOptimize(first);
        const double shown = clock.nsecsElapsed() / 1e6;
        state.SetIterationTime(shown / 1000.0);
        firstMs = qMax(firstMs, shown);

        // Page on and paint while the rest is still being made.
        while (!store->isFinished()) {
            QElapsedTimer step;
            step.start();
            QCoreApplication::processEvents();
            preview.action(QStringLiteral("后一页"))->trigger();
            benchmark::DoNotOptimize(preview.pageView()->grab());
            worstStepMs = qMax(worstStepMs, step.nsecsElapsed() / 1e6);
            ++steps;
        }
        store->waitForFinished();
        totalMs = double(store->generationMs());
        pages = store->pageCount();
    }
    state.counters["pages"] = pages;
    state.counters["first_page_ms"] = firstMs;
    state.counters["worst_step_while_generating_ms"] = worstStepMs;
    state.counters["steps_while_generating"] = steps;
    state.counters["total_generation_ms"] = totalMs;
}

} // namespace

BENCHMARK(BM_PrintPreviewLargeList)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);
