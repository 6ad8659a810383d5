#include "forms/app/Startup.h"

#include "data/db/Database.h"
#include "data/db/DbError.h"
#include "data/maintenance/DatabaseFiles.h"
#include "forms/app/InstallationRecord.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QTemporaryFile>

Startup::Result::Result() = default;
Startup::Result::Result(std::unique_ptr<QLockFile> l, std::unique_ptr<Database> d, QString m)
    : lock(std::move(l)), db(std::move(d)), message(std::move(m)) {}
Startup::Result::Result(Result &&) noexcept = default;
Startup::Result &Startup::Result::operator=(Result &&) noexcept = default;
Startup::Result::~Result() = default; // db is declared after lock: the connection closes first

QString Startup::databasePath(const QString &appDir)
{
    return QDir(appDir).filePath(DatabaseFileName);
}

QString Startup::lockPath(const QString &databasePath)
{
    return databasePath + QStringLiteral(".lock");
}

namespace {
// The engine writes its journal beside the file, so the folder must take new files. Tried for
// real: permission bits, a read-only disk and an immutable folder all show here, also to root.
bool folderTakesNewFiles(const QString &folder)
{
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral(".vantrel-probe-XXXXXX")));
    return probe.open();
}

bool fileTakesWrites(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadWrite | QIODevice::ExistingOnly);
}
} // namespace

QString Startup::messageFor(const DbError &e, const QString &path)
{
    switch (e.kind()) {
    case DbError::Kind::Damaged:
        return BadFileMessage + DamagedAdvice + u'\n' + DbError::DetailPrefix + e.message();
    case DbError::Kind::Locked:
        return LockedMessage.arg(path) + u'\n' + DbError::DetailPrefix + e.message();
    case DbError::Kind::ReadOnly:
        return FileReadOnlyMessage.arg(path) + u'\n' + DbError::DetailPrefix + e.message();
    default:
        return e.operatorMessage();
    }
}

Startup::Result Startup::prepare(const QString &appDir, const QString &executablePath, const QString &settingsFile)
{
    const QString path = databasePath(appDir);
    if (!QFileInfo(path).isFile())
        return {nullptr, nullptr, MissingMessage};

    const QString folder = QFileInfo(path).absolutePath();
    if (!folderTakesNewFiles(folder))
        return {nullptr, nullptr, FolderReadOnlyMessage.arg(QDir::toNativeSeparators(folder))};
    // A read-only file is made writable, as the program must be able to save.
    QFile file(path);
    const auto perms = file.permissions();
    if (!(perms & QFileDevice::WriteOwner))
        file.setPermissions(perms | QFileDevice::WriteOwner | QFileDevice::ReadOwner);
    if (!fileTakesWrites(path))
        return {nullptr, nullptr, FileReadOnlyMessage.arg(QDir::toNativeSeparators(path))};

    // One program per data file: a second one would overwrite what the first confirmed. The lock
    // lives as long as the program; one left by a killed program is recognised and taken over.
    auto lock = std::make_unique<QLockFile>(lockPath(path));
    lock->setStaleLockTime(0); // held for the whole run: only a holder that is gone makes it stale
    if (!lock->tryLock(0)) {
        if (lock->error() == QLockFile::LockFailedError)
            return {nullptr, nullptr, InUseMessage.arg(QDir::toNativeSeparators(path))};
        return {nullptr, nullptr, FolderReadOnlyMessage.arg(QDir::toNativeSeparators(folder))};
    }

    // No backup, restore or compaction can be running now: what one left is debris.
    DatabaseFiles::removeLeftovers(path);

    QString whyNot;
    if (!Database::hasDatabaseHeader(path, &whyNot))
        return {nullptr, nullptr, BadFileMessage + whyNot};

    // Opened for writing before anything is checked: a save interrupted by a crash left a rollback
    // journal, and only a connection that may write lets the engine roll it back.
    std::unique_ptr<Database> db;
    try {
        db = std::make_unique<Database>(path);
        if (auto problem = db->schemaProblem())
            return {nullptr, nullptr, BadFileMessage + *problem};
    } catch (const DbError &e) {
        return {nullptr, nullptr, messageFor(e, QDir::toNativeSeparators(path))};
    }

    InstallationRecord(settingsFile).write(ProductTitle, {{QStringLiteral("Path"), executablePath},
                                                        {QStringLiteral("Ver"), ProductVersion}});
    return {std::move(lock), std::move(db), {}};
}
