#include "BenchDatabase.h"
#include "SilentPrompter.h"
#include "core/app/Right.h"
#include "data/app/ShellStore.h"
#include "data/db/Database.h"
#include "forms/app/AppContext.h"
#include "forms/app/Prompter.h"
#include "ui/app/ScreenCatalog.h"
#include "ui/app/TForm_main.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QMouseEvent>
#include <QTreeWidget>
#include <benchmark/benchmark.h>

namespace {

// The four counts of the welcome screen together (goal: under 50 ms on the ten-year file).
void BM_WelcomeCounts(benchmark::State &state)
{
    Database *db = BenchDatabase::open(BenchDatabase::largePath());
    if (!db) {
        state.SkipWithError("VANTREL_BENCH_DB not given");
        return;
    }
    ShellStore store(*db);
    for (auto _ : state)
        benchmark::DoNotOptimize(store.welcomeCounts());
}
BENCHMARK(BM_WelcomeCounts)->Unit(benchmark::kMillisecond);

// Closes each modal dialog as soon as it is shown, as an operator would who only looks.
class DialogCloser : public QObject
{
public:
    DialogCloser() { qApp->installEventFilter(this); }
    ~DialogCloser() override { qApp->removeEventFilter(this); }
    int closed = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show) {
            auto *dialog = qobject_cast<QDialog *>(watched);
            if (dialog && dialog->isModal()) {
                QMetaObject::invokeMethod(dialog, [this, dialog] {
                    ++closed;
                    dialog->reject();
                }, Qt::QueuedConnection);
            }
        }
        return false;
    }
};

// A left click as the window system delivers it: press and release on the same point.
void click(QWidget *w, const QPoint &at)
{
    const QPointF global = w->mapToGlobal(QPointF(at));
    QMouseEvent press(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w, &release);
}

// A mouse click on a tree node of the program's main window until its screen is on screen:
// the open screens closing, the right test, the customer-class lookup of the node text, the
// real screen built from the real catalog with its first rows read, shown and painted. A dialog
// screen is closed once shown (its closing is timed with it).
void BM_TreeClick(benchmark::State &state, const QString &node)
{
    Database *db = BenchDatabase::open(BenchDatabase::largePath());
    if (!db) {
        state.SkipWithError("VANTREL_BENCH_DB not given");
        return;
    }
    SilentPrompter prompter;
    AppContext ctx;
    ctx.AppDir = QDir::tempPath();
    ctx.db = db;
    ctx.prompter = &prompter;
    ctx.OperatorName = QStringLiteral("bench");
    ctx.OperatorRights = Rights::SuperUser;
    TForm_main main(ctx);
    main.startSession(); // as after the login; the first show then runs no login
    main.show();
    main.tree->expandAll();
    QApplication::processEvents();
    QTreeWidgetItem *item = main.findNode(node);
    const ScreenCatalog::Entry *entry = ScreenCatalog::instance().find(node);
    if (!item || !entry || !entry->built()) {
        state.SkipWithError("no such screen");
        return;
    }
    main.tree->scrollToItem(item);
    QApplication::processEvents();
    const QPoint at = main.tree->visualItemRect(item).center();
    DialogCloser closer;
    for (auto _ : state) {
        click(main.tree->viewport(), at);
        QApplication::processEvents(); // layout and first paint
    }
    const bool opened = entry->kind == ScreenCatalog::Kind::Dialog ? closer.closed == int(state.iterations())
                                                                   : main.currentScreen() != nullptr;
    if (!opened)
        state.SkipWithError("the click opened no screen");
}
// Workspace screens: the repair query, all jobs and this month's.
BENCHMARK_CAPTURE(BM_TreeClick, 业务查询, QStringLiteral("业务查询"))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_TreeClick, 当月业务, QStringLiteral("当月业务"))->Unit(benchmark::kMillisecond);
// Dialog screens: repair registration and the parts catalog.
BENCHMARK_CAPTURE(BM_TreeClick, 维修登记, QStringLiteral("维修登记"))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_TreeClick, 配件目录, QStringLiteral("配件目录"))->Unit(benchmark::kMillisecond);

} // namespace
