#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class Database;

// Copies, replaces and compacts the database file. Every copy is written by the engine into a
// work file beside its target and renamed into place only when complete, so an open database never
// yields a torn copy and a failed copy leaves the previous file as it was. The database file is
// only ever replaced by one rename over it, and its folder is synced after every rename: whenever
// the program dies, even by a power cut, a complete database file is there. Work files in progress
// are noted in a record beside the database, so the next start can remove what an interrupted
// operation left (removeLeftovers). Each operation returns why it failed, or nullopt.
class DatabaseFiles
{
public:
    // Renames `from` to `to`, replacing `to`; false when it fails. Injectable so a failing rename
    // can be staged.
    using RenameFn = std::function<bool(const QString &from, const QString &to)>;
    // Makes the renames done in a folder durable. Injectable so a test sees when it happens.
    using SyncFn = std::function<void(const QString &folder)>;

    static inline const QString WorkFileName = QStringLiteral("temp.mdb");
    static inline const QString PreviousFileName = QStringLiteral("bak");
    // The database a restore replaced, kept beside it until the next successful backup.
    static inline const QString ReplacedFileName = QStringLiteral("data1.1.before-restore.mdb");

    struct RestoreFailure
    {
        bool unusableSource = false; // the chosen file is not an intact database of this program
        QString reason;
    };

    explicit DatabaseFiles(Database &db, RenameFn rename = {}, SyncFn syncFolder = {});

    // A consistent copy of the open database at target, replacing a file there. A success also
    // removes the database a restore replaced: the backup now holds what the operator keeps.
    std::optional<QString> backupTo(const QString &target);
    // Replaces the database with the file at source, which must be an intact database of this
    // program (the engine checks every page of it first). The replaced database is kept as
    // ReplacedFileName. The connection is closed while the file is replaced and reopened after.
    std::optional<RestoreFailure> restoreFrom(const QString &source);
    // Rewrites the database compactly: the engine writes "temp.mdb", the current file is kept as
    // "bak" and "temp.mdb" replaces the database in one rename.
    std::optional<QString> compact();

    // Removes the work files an interrupted backup, restore or compaction of the database at
    // databasePath left behind; returns the files removed. Call it only while holding the
    // program's lock on the database, as no operation can then be in progress.
    static QStringList removeLeftovers(const QString &databasePath);

    static bool replaceByRename(const QString &from, const QString &to);

private:
    std::optional<QString> writeCopy(const QString &workFile);
    bool rename(const QString &from, const QString &to);
    void syncFolder(const QString &folder);
    // `keep` becomes the database file as it is now: a second name of the same file where the
    // file system allows it, a complete copy otherwise.
    std::optional<QString> keepCurrentAs(const QString &keep);
    void noteWork(const QString &workFile);
    void workDone();

    Database &m_db;
    RenameFn m_rename;
    SyncFn m_syncFolder;
};
