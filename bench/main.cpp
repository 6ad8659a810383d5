// vantrel-bench: the program's speed figures. Run with VANTREL_BENCH_DB (and
// VANTREL_BENCH_SMALL_DB for the small-file comparisons) pointing at files made by vantrel-gendb.
#include "BenchDatabase.h"

#include <QApplication>
#include <benchmark/benchmark.h>

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen") : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    // The files close (and the copies go) while the application and Qt SQL still exist.
    BenchDatabase::closeAll();
    return 0;
}
