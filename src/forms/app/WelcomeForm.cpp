#include "forms/app/WelcomeForm.h"

#include "data/app/SettingsStore.h"
#include "data/app/ShellStore.h"
#include "forms/app/AppContext.h"
#include "forms/app/Prompter.h"

#include <QFileInfo>

std::optional<bool> WelcomeForm::readPanelAtStart(AppContext &ctx)
{
    if (ShellStore(ctx.database()).settingRowCount(PanelKey) != 1) {
        ctx.prompt().warning(ReadFailed);
        return std::nullopt;
    }
    return SettingsStore(ctx.database()).value(PanelKey).value_or(QString()) == QStringLiteral("1");
}

bool WelcomeForm::load()
{
    const auto panel = readPanelAtStart(m_ctx);
    if (!panel)
        return false;
    panelAtStart = *panel;
    counts = ShellStore(m_ctx.database()).welcomeCounts();
    return true;
}

QString WelcomeForm::checkCaption() const
{
    return QStringLiteral("待检测：%1件 >>").arg(counts.waitingCheck);
}

QString WelcomeForm::repairCaption() const
{
    return QStringLiteral("待维修处理：%1件 >>").arg(counts.waitingRepair);
}

QString WelcomeForm::chargeCaption() const
{
    return QStringLiteral("待结算收费：%1件 >>").arg(counts.waitingCharge);
}

QString WelcomeForm::warningCaption() const
{
    return QStringLiteral("低于警戒：%1件 >>").arg(counts.belowWarning);
}

bool WelcomeForm::setPanelAtStart(bool on)
{
    if (ShellStore(m_ctx.database()).settingRowCount(PanelKey) != 1) {
        m_ctx.prompt().warning(WriteFailed);
        return false;
    }
    SettingsStore(m_ctx.database()).setValue(PanelKey, on ? QStringLiteral("1") : QStringLiteral("0"));
    panelAtStart = on;
    return true;
}

std::optional<QString> WelcomeForm::picture() const
{
    const auto path = SettingsStore(m_ctx.database()).value(PictureKey);
    if (!path)
        return std::nullopt;
    return QFileInfo(*path).isFile() ? *path : QString();
}
