#include "data/maintenance/DatabaseFiles.h"

#include "data/db/Sql.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {
QString workFileFor(const QString &target, const QString &suffix)
{
    const QFileInfo info(target);
    return info.absoluteDir().filePath(QStringLiteral(".") + info.fileName() + suffix);
}

bool sameFile(const QString &a, const QString &b)
{
    const QString ca = QFileInfo(a).canonicalFilePath();
    return !ca.isEmpty() && ca == QFileInfo(b).canonicalFilePath();
}

// Opening the database again may fail (the file was moved away by someone else); the error then
// reaches the program's one error box, as any database error does.
void reopen(Database &db)
{
    db.open();
}
} // namespace

DatabaseFiles::DatabaseFiles(Database &db, RenameFn rename)
    : m_db(db), m_rename(std::move(rename))
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

std::optional<QString> DatabaseFiles::writeCopy(const QString &workFile)
{
    if (QFileInfo::exists(workFile) && !QFile::remove(workFile))
        return QStringLiteral("无法删除文件：") + workFile;
    try {
        // The engine reads the database in one read transaction, so the copy is consistent even
        // while the program holds the file open.
        Sql::exec(m_db, QStringLiteral("VACUUM INTO ?"), {workFile});
    } catch (const DbError &e) {
        QFile::remove(workFile);
        return e.message();
    }
    return std::nullopt;
}

std::optional<QString> DatabaseFiles::backupTo(const QString &target)
{
    if (sameFile(target, m_db.path()))
        return QStringLiteral("不能备份到正在使用的数据库文件本身。");
    const QString work = workFileFor(target, QStringLiteral(".partial"));
    if (auto problem = writeCopy(work))
        return problem;
    if (!rename(work, target)) {
        const QString reason = QString::fromLocal8Bit(std::strerror(errno));
        QFile::remove(work);
        return QStringLiteral("无法写入文件：") + target + QStringLiteral("（") + reason + QStringLiteral("）");
    }
    return std::nullopt;
}

std::optional<QString> DatabaseFiles::restoreFrom(const QString &source)
{
    if (auto problem = Database::checkFile(source))
        return problem;
    if (sameFile(source, m_db.path()))
        return std::nullopt; // the database is already this file
    const QString staged = workFileFor(m_db.path(), QStringLiteral(".restore"));
    QFile::remove(staged);
    if (!QFile::copy(source, staged)) {
        QFile::remove(staged);
        return QStringLiteral("无法复制文件：") + source;
    }
    QFile stagedFile(staged);
    stagedFile.setPermissions(stagedFile.permissions() | QFileDevice::ReadOwner | QFileDevice::WriteOwner);

    m_db.close();
    const bool replaced = rename(staged, m_db.path());
    if (!replaced)
        QFile::remove(staged);
    reopen(m_db);
    if (!replaced)
        return QStringLiteral("无法替换数据库文件：") + m_db.path();
    return std::nullopt;
}

std::optional<QString> DatabaseFiles::compact()
{
    const QString source = m_db.path();
    const QDir dir = QFileInfo(source).absoluteDir();
    const QString work = dir.filePath(WorkFileName);
    const QString old = dir.filePath(PreviousFileName);

    if (QFileInfo::exists(old) && !QFile::remove(old))
        return QStringLiteral("无法删除文件：") + old;
    if (auto problem = writeCopy(work))
        return problem;

    m_db.close();
    if (!rename(source, old)) {
        reopen(m_db);
        return QStringLiteral("无法改名：") + source + QStringLiteral(" → ") + old;
    }
    if (!rename(work, source)) {
        // Put the previous file back, so the program always has its database.
        const bool restored = rename(old, source) || replaceByRename(old, source);
        reopen(m_db);
        return QStringLiteral("无法改名：") + work + QStringLiteral(" → ") + source +
               (restored ? QString() : QStringLiteral("；原数据库文件保存在：") + old);
    }
    reopen(m_db);
    return std::nullopt;
}
