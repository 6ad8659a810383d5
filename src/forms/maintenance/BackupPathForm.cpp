#include "forms/maintenance/BackupPathForm.h"

#include "core/app/GbkText.h"
#include "data/app/SettingsStore.h"
#include "forms/app/AppContext.h"
#include "forms/app/Prompter.h"
#include "forms/maintenance/BackupForm.h"

void BackupPathForm::load()
{
    SettingsStore store(m_ctx.database());
    store.createIfMissing(BackupForm::BackupPathKey);
    path = store.value(BackupForm::BackupPathKey).value_or(QString());
}

bool BackupPathForm::choose()
{
    const QString chosen = m_ctx.prompt().saveFileName(QString(), BackupForm::DefaultBackupName, QString());
    if (chosen.isEmpty())
        return false;
    path = chosen;
    return true;
}

bool BackupPathForm::confirm()
{
    if (path.trimmed().isEmpty()) {
        m_ctx.prompt().warning(EmptyMessage);
        return false;
    }
    if (GbkText::byteLength(path) > MaxPathBytes) {
        m_ctx.prompt().warning(TooDeepMessage);
        return false;
    }
    SettingsStore store(m_ctx.database());
    store.createIfMissing(BackupForm::BackupPathKey);
    store.setValue(BackupForm::BackupPathKey, path);
    return true;
}
