// Print engine: a 1,000-page list (60,000 customer-like rows) in the preview. Measures how soon
// the first page is on screen, how long a page step takes while the rest is still being made,
// and the total time to make every page.
#include "SilentPrompter.h"
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

ReportLayout customerList(int rows)
{
    ReportLayout l;
    l.documentName = QStringLiteral("客户清单");
    l.title.height = 14;
    l.title.text(0, 0, 190, 10, QStringLiteral("客户清单")).size(16).heavy().centre();
    l.rowHeight = 4.4;
    l.captionHeight = 5;
    l.detailPt = 8;
    l.setColumns({{QStringLiteral("客户名称"), 30}, {QStringLiteral("类别"), 18}, {QStringLiteral("联系人"), 20},
                  {QStringLiteral("联系电话"), 28}, {QStringLiteral("地址"), 0}});
    l.rows.reserve(rows);
    for (int i = 0; i < rows; ++i)
        l.rows << QStringList{QStringLiteral("客户%1").arg(i), QStringLiteral("单位客户"), QStringLiteral("联系人%1").arg(i % 977),
                              QStringLiteral("139%1").arg(i, 8, 10, QLatin1Char('0')),
                              QStringLiteral("北京市海淀区中关村大街%1号").arg(i % 500)};
    l.summary.height = 8;
    l.summary.text(0, 1, 190, 7, QStringLiteral("合计：%1户").arg(rows));
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
    const ReportLayout layout = customerList(int(state.range(0)));
    SilentPrompter prompter;
    double firstMs = 0, worstStepMs = 0, totalMs = 0;
    int pages = 0, steps = 0;
    for (auto _ : state) {
        QElapsedTimer clock;
        clock.start();
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

BENCHMARK(BM_PrintPreviewLargeList)->Arg(60000)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);
