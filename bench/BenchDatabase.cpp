#include "BenchDatabase.h"

#include "data/db/Database.h"

#include <QFileInfo>
#include <QHash>
#include <memory>

QString BenchDatabase::largePath()
{
    return qEnvironmentVariable("VANTREL_BENCH_DB");
}

QString BenchDatabase::smallPath()
{
    return qEnvironmentVariable("VANTREL_BENCH_SMALL_DB");
}

Database *BenchDatabase::open(const QString &path)
{
    static QHash<QString, std::shared_ptr<Database>> opened;
    if (path.isEmpty() || !QFileInfo::exists(path))
        return nullptr;
    auto &db = opened[path];
    if (!db)
        db = std::make_shared<Database>(path);
    return db.get();
}
