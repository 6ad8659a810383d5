#include "data/maintenance/DatabaseFiles.h"

#include "data/db/FileSync.h"
#include "data/db/Sql.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <unistd.h>

namespace {
QString workFileFor(const QString &target, const QString &suffix)
{
    const QFileInfo info(target);
    return info.absoluteDir().filePath(QStringLiteral(".") + info.fileName() + suffix);
}

const QString PartialSuffix = QStringLiteral(".partial");
const QString RestoreSuffix = QStringLiteral(".restore");

// The record of the work file in progress, beside the database.
QString workRecordFor(const QString &databasePath)
{
    return workFileFor(databasePath, QStringLiteral(".work"));
}

QString folderOf(const QString &path)
{
    return QFileInfo(path).absolutePath();
}

bool sameFile(const QString &a, const QString &b)
{
    const QString ca = QFileInfo(a).canonicalFilePath();
    return !ca.isEmpty() && ca == QFileInfo(b).canonicalFilePath();
}

QString systemError()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

bool removeIfThere(const QString &path)
{
    return !QFileInfo::exists(path) || QFile::remove(path);
}

// Opening the database again may fail (the file was moved away by someone else); the error then
// reaches the program's one error box, as any database error does.
void reopen(Database &db)
{
    db.open();
}
} // namespace

DatabaseFiles::DatabaseFiles(Database &db, RenameFn rename, SyncFn syncFolder)
    : m_db(db), m_rename(std::move(rename)), m_syncFolder(std::move(syncFolder))
{
}

bool DatabaseFiles::replaceByRename(const QString &from, const QString &to)
{
    // POSIX rename replaces the target in one step: readers see the old file or the new one.
    return std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
}

bool DatabaseFiles::rename(const QString &from, const QString &to)
{
    return m_rename ? m_rename(from, to) : replaceByRename(from, to);
}

void DatabaseFiles::syncFolder(const QString &folder)
{
    if (m_syncFolder)
        m_syncFolder(folder);
    else
        FileSync::folder(folder);
}

void DatabaseFiles::noteWork(const QString &workFile)
{
    QFile record(workRecordFor(m_db.path()));
    if (record.open(QIODevice::WriteOnly | QIODevice::Truncate))
        record.write(QFile::encodeName(QFileInfo(workFile).absoluteFilePath()) + '\n');
}

void DatabaseFiles::workDone()
{
    QFile::remove(workRecordFor(m_db.path()));
}

QStringList DatabaseFiles::removeLeftovers(const QString &databasePath)
{
    const QDir dir = QFileInfo(databasePath).absoluteDir();
    QStringList candidates = {dir.filePath(WorkFileName), workFileFor(databasePath, RestoreSuffix),
                              databasePath + PartialSuffix}; // the last one: an interrupted Database::create
    QFile record(workRecordFor(databasePath));
    if (record.open(QIODevice::ReadOnly)) {
        const QString noted = QFile::decodeName(record.readLine().trimmed());
        const QString name = QFileInfo(noted).fileName();
        // Only a work file of ours is removed, whatever the record says.
        if (name.startsWith(u'.') && (name.endsWith(PartialSuffix) || name.endsWith(RestoreSuffix)))
            candidates << noted;
        record.close();
    }
    QStringList removed;
    for (const QString &file : std::as_const(candidates)) {
        for (const QString &f : {file, file + QStringLiteral("-journal")}) {
            if (QFileInfo::exists(f) && QFile::remove(f))
                removed << f;
        }
    }
    QFile::remove(record.fileName());
    return removed;
}

std::optional<QString> DatabaseFiles::writeCopy(const QString &workFile)
{
    if (!removeIfThere(workFile))
        return QStringLiteral("无法删除文件：") + workFile;
    noteWork(workFile);
    try {
        // The engine reads the database in one read transaction, so the copy is consistent even
        // while the program holds the file open.
        Sql::exec(m_db, QStringLiteral("VACUUM INTO ?"), {workFile});
    } catch (const DbError &e) {
        QFile::remove(workFile);
        workDone();
        return e.operatorMessage();
    }
    if (!FileSync::file(workFile)) {
        const QString reason = systemError();
        QFile::remove(workFile);
        workDone();
        return QStringLiteral("无法写入文件：") + workFile + QStringLiteral("（") + reason + QStringLiteral("）");
    }
    return std::nullopt;
}

std::optional<QString> DatabaseFiles::backupTo(const QString &target)
{
    if (sameFile(target, m_db.path()))
        return QStringLiteral("不能备份到正在使用的数据库文件本身。");
    const QString work = workFileFor(target, PartialSuffix);
    if (auto problem = writeCopy(work))
        return problem;
    if (!rename(work, target)) {
        const QString reason = systemError();
        QFile::remove(work);
        workDone();
        return QStringLiteral("无法写入文件：") + target + QStringLiteral("（") + reason + QStringLiteral("）");
    }
    syncFolder(folderOf(target));
    workDone();
    // The operator has a backup of the data now; the file a restore replaced has served its turn.
    QFile::remove(QFileInfo(m_db.path()).absoluteDir().filePath(ReplacedFileName));
    return std::nullopt;
}

std::optional<QString> DatabaseFiles::keepCurrentAs(const QString &keep)
{
    if (!removeIfThere(keep))
        return QStringLiteral("无法删除文件：") + keep;
    const QByteArray current = QFile::encodeName(m_db.path());
    if (::link(current.constData(), QFile::encodeName(keep).constData()) == 0)
        return std::nullopt;
    // A file system without hard links (a memory stick, some network shares): a full copy.
    if (QFile::copy(m_db.path(), keep) && FileSync::file(keep))
        return std::nullopt;
    QFile::remove(keep);
    return QStringLiteral("无法保留原数据库文件：") + keep;
}

std::optional<DatabaseFiles::RestoreFailure> DatabaseFiles::restoreFrom(const QString &source)
{
    if (sameFile(source, m_db.path()))
        return std::nullopt; // the database is already this file
    const QString staged = workFileFor(m_db.path(), RestoreSuffix);
    if (!removeIfThere(staged))
        return RestoreFailure{false, QStringLiteral("无法删除文件：") + staged};
    noteWork(staged);
    auto fail = [&](bool unusableSource, const QString &reason) {
        QFile::remove(staged);
        workDone();
        return RestoreFailure{unusableSource, reason};
    };
    if (!QFile::copy(source, staged))
        return fail(false, QStringLiteral("无法复制文件：") + source);
    QFile stagedFile(staged);
    stagedFile.setPermissions(stagedFile.permissions() | QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    if (!FileSync::file(staged))
        return fail(false, QStringLiteral("无法写入文件：") + staged + QStringLiteral("（") + systemError() + QStringLiteral("）"));
    // The copy is what will be used, so the copy is what is checked, every page of it.
    if (auto problem = Database::checkFile(staged, Database::Depth::Integrity))
        return fail(true, *problem);

    m_db.close();
    const QString keep = QFileInfo(m_db.path()).absoluteDir().filePath(ReplacedFileName);
    if (auto problem = keepCurrentAs(keep)) {
        reopen(m_db);
        return fail(false, *problem);
    }
    if (!rename(staged, m_db.path())) {
        const QString reason = systemError();
        QFile::remove(keep);
        reopen(m_db);
        return fail(false, QStringLiteral("无法替换数据库文件：") + m_db.path() + QStringLiteral("（") + reason + QStringLiteral("）"));
    }
    syncFolder(folderOf(m_db.path()));
    workDone();
    reopen(m_db);
    return std::nullopt;
}

std::optional<QString> DatabaseFiles::compact()
{
    const QString source = m_db.path();
    const QDir dir = QFileInfo(source).absoluteDir();
    const QString work = dir.filePath(WorkFileName);
    const QString old = dir.filePath(PreviousFileName);

    if (auto problem = writeCopy(work))
        return problem;

    m_db.close();
    if (auto problem = keepCurrentAs(old)) {
        QFile::remove(work);
        workDone();
        reopen(m_db);
        return problem;
    }
    if (!rename(work, source)) {
        const QString reason = systemError();
        QFile::remove(work);
        workDone();
        reopen(m_db);
        return QStringLiteral("无法改名：") + work + QStringLiteral(" → ") + source + QStringLiteral("（") + reason +
               QStringLiteral("）");
    }
    syncFolder(dir.absolutePath());
    workDone();
    reopen(m_db);
    return std::nullopt;
}
