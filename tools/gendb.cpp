// vantrel-gendb PATH [SCALE]: writes a new database holding a synthetic shop's history, for
// benchmarks. SCALE 1 is ten years of a busy shop; 0.01 is a file 1 % of its size.
#include "data/db/Database.h"
#include "data/db/DbError.h"
#include "data/db/SampleShopGenerator.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    bool scaleOk = true;
    const double scale = args.size() == 2 ? args.at(1).toDouble(&scaleOk) : 1.0;
    // An option such as --help is not taken for a file to write.
    if (args.isEmpty() || args.size() > 2 || args.at(0).startsWith(u'-') || !scaleOk || scale <= 0) {
        std::fprintf(stderr, "usage: vantrel-gendb PATH [SCALE]\n");
        return 2;
    }
    QElapsedTimer timer;
    timer.start();
    try {
        Database::create(args.at(0));
        Database db(args.at(0));
        SampleShopGenerator(db).generate(scale, [&](const QString &step) {
            std::fprintf(stderr, "[%6.1f s] %s\n", timer.elapsed() / 1000.0, qPrintable(step));
        });
    } catch (const DbError &e) {
        std::fprintf(stderr, "vantrel-gendb: %s\n", qPrintable(e.message()));
        return 1;
    }
    std::fprintf(stderr, "done in %.1f s\n", timer.elapsed() / 1000.0);
    return 0;
}
