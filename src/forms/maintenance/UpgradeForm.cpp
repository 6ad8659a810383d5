#include "forms/maintenance/UpgradeForm.h"

#include "data/db/DbError.h"
#include "data/maintenance/OlderDataReader.h"
#include "forms/app/AppContext.h"
#include "forms/app/InstallationRecord.h"
#include "forms/app/Prompter.h"
#include "forms/app/Startup.h"

#include <QDir>
#include <QFileInfo>

std::optional<QString> UpgradeForm::recordedFile() const
{
    const InstallationRecord record(m_ctx.settingsFile);
    if (!record.exists(OlderProduct) || record.value(OlderProduct, QStringLiteral("Ver")) != OlderVersion)
        return std::nullopt;
    const QString program = record.value(OlderProduct, QStringLiteral("Path")).value_or(QString());
    return QFileInfo(program).absoluteDir().filePath(Startup::DatabaseFileName);
}

std::optional<QString> UpgradeForm::offeredFile() const
{
    const auto file = recordedFile();
    if (!file || InstallationRecord(m_ctx.settingsFile).value(OlderProduct, QStringLiteral("upgrade")) == ImportedMark)
        return std::nullopt;
    if (!QFileInfo(*file).isFile())
        return std::nullopt;
    return file;
}

QString UpgradeForm::chooseFile(AppContext &ctx)
{
    return ctx.prompt().openFileName(ChooseCaption, QString(), ChooseFilter);
}

QString UpgradeForm::message() const
{
    return m_chosen.isEmpty() ? OfferMessage : ChosenMessage.arg(QDir::toNativeSeparators(m_chosen));
}

bool UpgradeForm::run(const OlderDataImport::Progress &progress)
{
    // The record is read again: without it (or of another version) there is nothing to copy.
    const std::optional<QString> recorded = recordedFile();
    const QString file = m_chosen.isEmpty() ? recorded.value_or(QString()) : m_chosen;
    if (!file.isEmpty()) {
        try {
            const auto older = OlderDataReader::open(file);
            OlderDataImport(m_ctx.database(), *older).run(progress);
        } catch (const DbError &e) {
            m_ctx.prompt().warning(FailedMessage + u'\n' + e.operatorMessage());
            return false;
        }
        // Marked only now that the copy landed; a file chosen by hand marks the record it is.
        if (recorded && QFileInfo(*recorded) == QFileInfo(file)
            && !InstallationRecord(m_ctx.settingsFile).write(OlderProduct, {{QStringLiteral("upgrade"), ImportedMark}})) {
            m_ctx.prompt().warning(UnmarkedMessage);
        }
    }
    m_ctx.prompt().information(DoneMessage);
    return true;
}
