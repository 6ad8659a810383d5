// Print engine: the ten-year sample's customer directory (VANTREL_BENCH_DB, 60,000 customers,
// about 1,000 pages) as a list in the preview, read from the file a page at a time. Measures how
// soon the first page is on screen (its rows read and painted), how long a page step takes, how
// long counting the pages takes, and writing the whole list, and a mailing label for every
// customer (12,000 pages), to a PDF file page by page with the process's resident memory before,
// during and after (flat: the file holds all, memory one page).
#include "BenchDatabase.h"
#include "ProcessMemory.h"
#include "SilentPrompter.h"
#include "data/customers/CustomerTable.h"
#include "data/lists/ListRows.h"
#include "print/print/PageStore.h"
#include "print/print/ReportLayout.h"
#include "print/print/ReportPainter.h"
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

// The directory as printed from its list: one line per customer, in the list's order.
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
    ListQuery q;
    for (const auto &[column, caption] : QList<QPair<ColumnRef, QString>>{{T::Name, "客户名称"}, {T::Class, "类别"},
                                                                          {T::Contact, "联系人"}, {T::Phone, "联系电话"},
                                                                          {T::Address, "地址"}})
        q.columns << ListColumn::of(column, caption);
    l.source = std::make_shared<ListRows>(db, q);
    l.summary.height = 8;
    l.summary.text(0, 1, 190, 7, QStringLiteral("完"));
    l.pageFooter.height = 6;
    l.pageFooter.text(0, 0, 190, 6, QStringLiteral("第{page}页")).centre();
    return l;
}

// A mailing label for every customer: a record band per customer, five to a page.
ReportLayout labels(Database &db)
{
    ReportLayout l;
    l.documentName = QStringLiteral("信签");
    namespace T = CustomerTable;
    ListQuery q;
    for (const auto &[column, caption] : QList<QPair<ColumnRef, QString>>{{T::PostCode, "邮编"}, {T::Address, "地址"},
                                                                          {T::Contact, "联系人"}})
        q.columns << ListColumn::of(column, caption);
    l.source = std::make_shared<ListRows>(db, q);
    l.fields = QStringList{QStringLiteral("邮编"), QStringLiteral("地址"), QStringLiteral("联系人")};
    l.detail.height = 55;
    l.detail.text(0, 2, 190, 8, QStringLiteral("邮编：{邮编}"));
    l.detail.text(0, 12, 190, 8, QStringLiteral("地址：{地址}"));
    l.detail.text(0, 22, 190, 8, QStringLiteral("收件人：{联系人}"));
    l.detail.text(0, 32, 190, 8, QStringLiteral("寄件地址：本店地址"));
    l.detail.line(0, 52, 190, 52);
    l.detail.text(85, 48, 20, 5, QStringLiteral("剪切线")).size(7).centre();
    return l;
}

// The whole document written to a PDF file page by page, as "导出PDF" writes it, with the
// resident memory before, at a tenth, at its highest while writing and after.
void writeWholePdf(benchmark::State &state, ReportLayout (*document)(Database &))
{
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
    SilentPrompter prompter;
    double firstMs = 0, countMs = 0, worstStepMs = 0, lastPageMs = 0;
    int pages = 0;
    qint64 rows = 0;
    for (auto _ : state) {
        QElapsedTimer clock;
        clock.start();
        const ReportLayout layout = customerList(*db);
        auto store = std::make_shared<PageStore>(layout.documentName);
        store->start(layout);
        TForm_Preview preview(prompter, store);
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
