#include "BenchDatabase.h"

#include "data/db/Database.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <memory>

namespace {
struct Copy
{
    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<Database> db;
};

// Deliberately not a static object: it is emptied by closeAll() while Qt SQL still exists.
struct Registry
{
    QHash<QString, Database *> opened;
    QHash<QString, Copy *> copies;
};

Registry &registry()
{
    static Registry *r = new Registry;
    return *r;
}
} // namespace

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
    if (path.isEmpty() || !QFileInfo::exists(path))
        return nullptr;
    Database *&db = registry().opened[path];
    if (!db)
        db = new Database(path);
    return db;
}

Database *BenchDatabase::copy(const QString &path)
{
    if (path.isEmpty() || !QFileInfo::exists(path))
        return nullptr;
    Copy *&c = registry().copies[path];
    if (!c) {
        auto made = std::make_unique<Copy>();
        made->dir = std::make_unique<QTemporaryDir>();
        const QString target = QDir(made->dir->path()).filePath(QStringLiteral("data1.1.mdb"));
        if (!made->dir->isValid() || !QFile::copy(path, target)) {
            registry().copies.remove(path);
            return nullptr;
        }
        made->db = std::make_unique<Database>(target);
        c = made.release();
    }
    return c->db.get();
}

QVariant BenchDatabase::scalar(const Database &db, const QString &statement, const QVariantList &values)
{
    QSqlQuery q(QSqlDatabase::database(db.connectionName()));
    q.prepare(statement);
    for (const QVariant &v : values)
        q.addBindValue(v);
    q.exec();
    return q.next() ? q.value(0) : QVariant();
}

void BenchDatabase::closeAll()
{
    Registry &r = registry();
    qDeleteAll(r.opened);
    r.opened.clear();
    for (Copy *c : std::as_const(r.copies))
        delete c; // closes the file, then removes its directory
    r.copies.clear();
}
