#pragma once

#include "data/maintenance/DatabaseFiles.h"

#include <QString>

struct AppContext;

// Manual backup, restore, compaction and the backup made when leaving the program.
class BackupForm
{
public:
    static inline const QString BackupDone = QStringLiteral("备份成功！");
    static inline const QString BackupFailed = QStringLiteral("备份失败！");
    static inline const QString AutoBackupFailed = QStringLiteral("备份失败，请检查您设置的备份路径是否正确！");
    static inline const QString RestoreQuestion = QStringLiteral("数据恢复将会覆盖现有所有数据，确定继续吗？");
    static inline const QString RestoreQuestionTitle = QStringLiteral("提示");
    static inline const QString RestoreDone = QStringLiteral("更新成功！");
    static inline const QString RestoreFailed = QStringLiteral("更新过程中出现异常！请退出系统再试一次。");
    // %1: the chosen file; the reason follows on the next line.
    static inline const QString BadBackupMessage =
        QStringLiteral("所选文件不是完好的数据备份，数据没有恢复，现有数据保持不变：\n%1");
    static inline const QString CompactDone = QStringLiteral("数据库压缩完毕！");
    static inline const QString BackupPathKey = QStringLiteral("默认备份路径");
    static inline const QString DefaultBackupName = QStringLiteral("kvbd.bak");
    static inline const QString ProposedName = QStringLiteral("data.mdb");
    static inline const QString Filter = QStringLiteral("*.mdb");

    explicit BackupForm(AppContext &ctx) : m_ctx(ctx) {}

    // Tests stage a failing rename here, and see when the renames are made durable.
    DatabaseFiles::RenameFn rename;
    DatabaseFiles::SyncFn syncFolder;

    // Asks for a file and copies the database to it; true when a copy was made.
    bool manualBackup();
    // The question before a restore; true for OK.
    bool confirmRestore();
    // Asks for the file and replaces the database with it; true when replaced. A file that is not
    // an intact database of this program is refused with its reason; the replaced database is
    // kept beside the new one until the next backup.
    bool restore();
    bool compact();
    // The backup of the exit dialog, to the path set for it; true when made.
    bool automaticBackup();
    QString automaticTarget() const;

private:
    AppContext &m_ctx;
};
