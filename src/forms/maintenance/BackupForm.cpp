#include "forms/maintenance/BackupForm.h"

#include "data/app/SettingsStore.h"
#include "data/db/DbError.h"
#include "forms/app/AppContext.h"
#include "forms/app/Prompter.h"

#include <QDir>
#include <QFileInfo>

bool BackupForm::manualBackup()
{
    const QString target = m_ctx.prompt().saveFileName(QString(), ProposedName, Filter);
    if (target.isEmpty())
        return false;
    if (auto problem = DatabaseFiles(m_ctx.database(), rename, syncFolder).backupTo(target)) {
        m_ctx.prompt().warning(BackupFailed + QLatin1Char('\n') + *problem);
        return false;
    }
    m_ctx.prompt().information(BackupDone);
    return true;
}

bool BackupForm::confirmRestore()
{
    return m_ctx.prompt().confirm(RestoreQuestion, RestoreQuestionTitle);
}

bool BackupForm::restore()
{
    const QString source = m_ctx.prompt().openFileName(QString(), ProposedName, Filter);
    if (source.isEmpty() || !QFileInfo(source).isFile())
        return false;
    if (auto failure = DatabaseFiles(m_ctx.database(), rename, syncFolder).restoreFrom(source)) {
        if (failure->unusableSource)
            m_ctx.prompt().warning(BadBackupMessage.arg(QDir::toNativeSeparators(source)) + u'\n' + failure->reason);
        else
            m_ctx.prompt().warning(RestoreFailed + u'\n' + DbError::DetailPrefix + failure->reason);
        return false;
    }
    m_ctx.prompt().information(RestoreDone);
    return true;
}

bool BackupForm::compact()
{
    if (auto problem = DatabaseFiles(m_ctx.database(), rename, syncFolder).compact()) {
        m_ctx.prompt().error(*problem);
        return false;
    }
    m_ctx.prompt().information(CompactDone);
    return true;
}

QString BackupForm::automaticTarget() const
{
    const QString set = SettingsStore(m_ctx.database()).value(BackupPathKey).value_or(QString()).trimmed();
    return set.isEmpty() ? QDir(m_ctx.AppDir).filePath(DefaultBackupName) : set;
}

bool BackupForm::automaticBackup()
{
    if (DatabaseFiles(m_ctx.database(), rename, syncFolder).backupTo(automaticTarget())) {
        m_ctx.prompt().warning(AutoBackupFailed);
        return false;
    }
    return true;
}
