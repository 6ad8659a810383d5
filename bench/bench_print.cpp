// Print engine: the customer browser's list of the ten-year sample's whole directory
// (VANTREL_BENCH_DB, 60,000 customers, about 4,000 pages) in the preview, read from the file a
// page at a time. Measures how soon the first page is on screen after "打印列表>>" (its rows read
// and painted), how long a page step takes, how long counting the pages takes, and writing the
// whole list, and the browser's mailing label for every customer (12,000 pages), to a PDF file
// page by page with the process's resident memory before, during and after (flat: the file holds
// all, memory one page).
#include "BenchDatabase.h"
#include "ProcessMemory.h"
#include "SilentPrompter.h"
#include "core/app/Right.h"
#include "data/db/Database.h"
#include "forms/app/AppContext.h"
#include "print/print/PageStore.h"
#include "print/print/ReportLayout.h"
#include "print/print/ReportPainter.h"
#include "ui/customers/TForm_customer.h"
#include "ui/print/PreviewPageView.h"
#include "ui/print/TForm_Preview.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

// The benchmark program's main creates the QApplication the preview needs.
bool haveApplication()
{
    return qobject_cast<QApplication *>(QCoreApplication::instance()) != nullptr;
}

// The customer browser over the sample's whole directory, as the tree opens it: its customer
// list ("打印列表>>") and its mailing labels ("打印信签>>") are the documents measured. The
// documents read the file, not the screen, so they outlive it.
struct Browser
{
    SilentPrompter prompter;
    AppContext ctx;
    std::unique_ptr<TForm_customer> screen;

    explicit Browser(Database &db)
    {
        ctx.ConnStr = db.path();
        ctx.db = &db;
        ctx.prompter = &prompter;
        ctx.OperatorRights = Rights::SuperUser;
        screen = std::make_unique<TForm_customer>(ctx);
        screen->LoadClass(CustomerBrowserForm::AllCustomers);
    }
};

ReportLayout customerList(Database &db)
{
    return Browser(db).screen->listDocument();
}

ReportLayout labels(Database &db)
{
    return Browser(db).screen->labelDocument();
}

// The whole document written to a PDF file page by page, as "导出PDF" writes it, with the
// resident memory before, at a tenth, at its highest while writing and after.
void writeWholePdf(benchmark::State &state, ReportLayout (*document)(Database &))
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
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("document.pdf"));
    double before = 0, atTenth = 0, atEnd = 0, peakDuring = 0, fileMb = 0;
    int pages = 0;
    qint64 rows = 0;
    for (auto _ : state) {
        const ReportLayout layout = document(*db);
        PageStore store(layout.documentName);
        store.start(layout);
        store.waitForFinished();
        pages = store.pageCount();
        rows = layout.source->count();
        before = ProcessMemory::residentMb();
        const bool written = ReportPainter::writePdf(
            [&](const auto &sink) {
                return store.forEachPage([&](const ReportPage &page, int index) {
                    const bool more = sink(page, index);
                    const double now = ProcessMemory::residentMb();
                    peakDuring = qMax(peakDuring, now);
                    if (index == pages / 10)
                        atTenth = now;
                    return more;
                });
            },
            path, layout.documentName);
        if (!written) {
            state.SkipWithError("the PDF file was not written");
            return;
        }
        atEnd = ProcessMemory::residentMb();
        fileMb = QFileInfo(path).size() / 1048576.0;
    }
    state.counters["rows"] = double(rows);
    state.counters["pages"] = pages;
    state.counters["rss_before_mb"] = before;
    state.counters["rss_at_tenth_mb"] = atTenth;
    state.counters["rss_peak_during_mb"] = peakDuring;
    state.counters["rss_after_mb"] = atEnd;
    state.counters["pdf_mb"] = fileMb;
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
    Browser browser(*db);
    double firstMs = 0, countMs = 0, worstStepMs = 0, lastPageMs = 0;
    int pages = 0;
    qint64 rows = 0;
    for (auto _ : state) {
        // From "打印列表>>" pressed to page 1 painted in the preview.
        QElapsedTimer clock;
        clock.start();
        const ReportLayout layout = browser.screen->listDocument();
        auto store = std::make_shared<PageStore>(layout.documentName);
        store->start(layout);
        TForm_Preview preview(browser.prompter, store);
        preview.resize(1000, 800);
        const QPixmap first = preview.pageView()->grab(); // the first page painted
        benchmark::DoNotOptimize(first);
        const double shown = clock.nsecsElapsed() / 1e6;
        state.SetIterationTime(shown / 1000.0);
        firstMs = qMax(firstMs, shown);

        QElapsedTimer counting;
        counting.start();
        while (!store->isFinished())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
        countMs = qMax(countMs, counting.nsecsElapsed() / 1e6);
        pages = store->pageCount();
        rows = layout.source->count();

        // Paging on: each step reads its page's rows on from the last.
        for (int i = 0; i < 20; ++i) {
            QElapsedTimer step;
            step.start();
            preview.action(QStringLiteral("后一页"))->trigger();
            benchmark::DoNotOptimize(preview.pageView()->grab());
            worstStepMs = qMax(worstStepMs, step.nsecsElapsed() / 1e6);
        }
        QElapsedTimer jump;
        jump.start();
        preview.action(QStringLiteral("最后一页"))->trigger();
        benchmark::DoNotOptimize(preview.pageView()->grab());
        lastPageMs = qMax(lastPageMs, jump.nsecsElapsed() / 1e6);
    }
    state.counters["rows"] = double(rows);
    state.counters["pages"] = pages;
    state.counters["first_page_ms"] = firstMs;
    state.counters["counting_ms"] = countMs;
    state.counters["worst_next_page_ms"] = worstStepMs;
    state.counters["last_page_ms"] = lastPageMs;
}

void BM_PrintLargeListToPdf(benchmark::State &state)
{
    writeWholePdf(state, customerList);
}

void BM_PrintEveryLabelToPdf(benchmark::State &state)
{
    writeWholePdf(state, labels);
}

} // namespace

BENCHMARK(BM_PrintPreviewLargeList)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_PrintLargeListToPdf)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_PrintEveryLabelToPdf)->Unit(benchmark::kMillisecond)->Iterations(1);
