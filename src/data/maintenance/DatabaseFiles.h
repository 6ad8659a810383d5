#pragma once

#include <QString>
#include <functional>
#include <optional>

class Database;

// Copies, replaces and compacts the database file. Every copy is written by the engine into a
// work file beside its target and renamed into place only when complete, so an open database never
// yields a torn copy and a failed copy leaves the previous file as it was. Each operation returns
// why it failed, or nullopt.
class DatabaseFiles
{
public:
    // Renames `from` to `to`, replacing `to`; false when it fails. Injectable so a failing rename
    // can be staged.
    using RenameFn = std::function<bool(const QString &from, const QString &to)>;

    static inline const QString WorkFileName = QStringLiteral("temp.mdb");
    static inline const QString PreviousFileName = QStringLiteral("bak");

    explicit DatabaseFiles(Database &db, RenameFn rename = {});

    // A consistent copy of the open database at target, replacing a file there.
    std::optional<QString> backupTo(const QString &target);
    // Replaces the database with the file at source, which must be a database of this program.
    // The connection is closed while the file is replaced and reopened after.
    std::optional<QString> restoreFrom(const QString &source);
    // Rewrites the database compactly: the engine writes "temp.mdb", the current file becomes "bak"
    // and "temp.mdb" becomes the database. A failed rename puts the files back.
    std::optional<QString> compact();

    static bool replaceByRename(const QString &from, const QString &to);

private:
    std::optional<QString> writeCopy(const QString &workFile);
    bool rename(const QString &from, const QString &to);

    Database &m_db;
    RenameFn m_rename;
};
