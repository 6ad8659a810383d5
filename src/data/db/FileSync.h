#pragma once

#include <QString>

// Writes what the system still holds in memory to the disk, so a power cut cannot undo it: a
// file's data before it is renamed into place, a folder's names after a rename.
class FileSync
{
public:
    // False when the file's data could not be written out.
    static bool file(const QString &path);
    // Best effort: a file system that cannot sync a folder still has the rename, only without
    // that promise.
    static void folder(const QString &path);
};
