#pragma once

#include <QString>
#include <memory>

class Database;
class DbError;
class QLockFile;

// The checks made before any window opens: the database file is there, this program and its
// folder can write it, no other copy of the program uses it, what an interrupted operation left is
// cleared, the engine has recovered an interrupted save, and the file is ours; the installation
// record is written. The caller shows the message and ends when it fails.
class Startup
{
public:
    static inline const QString DatabaseFileName = QStringLiteral("data1.1.mdb");
    static inline const QString MissingMessage = QStringLiteral("数据文件不存在！");
    static inline const QString BadFileMessage = QStringLiteral("数据文件已损坏或版本不符：");
    // %1: the path of the file or folder.
    static inline const QString InUseMessage =
        QStringLiteral("数据文件正由另一个正在运行的本程序使用：\n%1\n同一个数据文件同时只能由一个程序使用，请先关闭另一个程序。");
    static inline const QString FileReadOnlyMessage =
        QStringLiteral("数据文件不能写入：\n%1\n请检查该文件是否为只读、被设为不可修改或属于其他用户，改正后再启动本程序。");
    static inline const QString FolderReadOnlyMessage =
        QStringLiteral("数据文件所在的文件夹不能写入：\n%1\n保存数据时本程序要在该文件夹中建立临时文件，"
                       "请检查该文件夹（或其所在磁盘）是否允许写入，改正后再启动本程序。");
    static inline const QString LockedMessage =
        QStringLiteral("数据文件正被其他程序锁定，等待后仍无法打开：\n%1\n请关闭正在使用该文件的程序（例如数据库查看工具、"
                       "备份或同步软件）后再启动本程序。");
    // Follows BadFileMessage when the engine finds the file damaged; the program cannot start, so
    // the way back is by hand.
    static inline const QString DamagedAdvice =
        QStringLiteral("文件已损坏。\n请先把该文件另存一份交给技术支持，再用最近的备份文件（例如 kvbd.bak）替换它。");
    static inline const QString ProductVersion = QStringLiteral("1.3（单机版）");
    static inline const QString ProductTitle = QStringLiteral("Vantrel1.3（单机版）");

    struct Result
    {
        Result();
        Result(std::unique_ptr<QLockFile> lock, std::unique_ptr<Database> db, QString message);
        Result(Result &&) noexcept;
        Result &operator=(Result &&) noexcept;
        ~Result();

        // Keeps other copies of the program off the file while it lives; released after db.
        std::unique_ptr<QLockFile> lock;
        std::unique_ptr<Database> db; // null when start-up must end
        QString message;              // why, when db is null
    };

    // settingsFile: the INI file of the installation record (empty: the user's default location).
    static Result prepare(const QString &appDir, const QString &executablePath, const QString &settingsFile);
    static QString databasePath(const QString &appDir);
    // The lock file that keeps a second copy of the program off the database at databasePath.
    static QString lockPath(const QString &databasePath);

private:
    static QString messageFor(const DbError &e, const QString &path);
};
