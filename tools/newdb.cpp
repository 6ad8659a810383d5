// vantrel-newdb [--if-missing] PATH: writes a fresh database file; never overwrites an existing one.
// With --if-missing an existing file is not an error (the build uses it).
#include "data/db/Database.h"
#include "data/db/DbError.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    const bool ifMissing = args.removeAll(QStringLiteral("--if-missing")) > 0;
    if (args.size() != 1) {
        std::fprintf(stderr, "usage: vantrel-newdb [--if-missing] PATH\n");
        return 2;
    }
    const QString path = args.at(0);
    if (QFileInfo::exists(path)) {
        if (ifMissing)
            return 0;
        std::fprintf(stderr, "vantrel-newdb: %s exists, left untouched\n", qPrintable(path));
        return 1;
    }
    try {
        Database::create(path);
    } catch (const DbError &e) {
        std::fprintf(stderr, "vantrel-newdb: %s\n", qPrintable(e.message()));
        return 1;
    }
    return 0;
}
