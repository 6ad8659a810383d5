#pragma once

#include <QString>
#include <memory>

class Database;

// The checks made before any window opens: the database file is there, writable and ours;
// the installation record is written. The caller shows the message and ends when it fails.
class Startup
{
public:
    static inline const QString DatabaseFileName = QStringLiteral("data1.1.mdb");
    static inline const QString MissingMessage = QStringLiteral("数据文件不存在！");
    static inline const QString BadFileMessage = QStringLiteral("数据文件已损坏或版本不符：");
    static inline const QString ProductVersion = QStringLiteral("1.3（单机版）");
    static inline const QString ProductTitle = QStringLiteral("Vantrel1.3（单机版）");

    struct Result
    {
        std::unique_ptr<Database> db; // null when start-up must end
        QString message;              // why, when db is null
    };

    // settingsFile: the INI file of the installation record (empty: the user's default location).
    static Result prepare(const QString &appDir, const QString &executablePath, const QString &settingsFile);
    static QString databasePath(const QString &appDir);
};
