#include "forms/followup/FollowUpSettingsForm.h"

#include "forms/app/AppContext.h"
#include "forms/app/Prompter.h"

void FollowUpSettingsForm::load()
{
    FollowUpSettingsStore store(m_ctx.database());
    const FollowUpSettings s = store.open();
    startText = QString::number(s.startDay);
    stopText = QString::number(s.stopDay);
    cancelOverdue = s.cancelOverdue;
    repairs = FollowUpSettings::scopeHasRepairs(s.scope);
    sales = FollowUpSettings::scopeHasSales(s.scope);
    classes = store.classes();
}

bool FollowUpSettingsForm::confirm()
{
    FollowUpSettings s;
    s.scope = FollowUpSettings::scopeText(repairs, sales);
    s.cancelOverdue = cancelOverdue;
    s.startDay = FollowUpSettings::dayCount(startText);
    s.stopDay = FollowUpSettings::dayCount(stopText);
    if (s.stopDay < s.startDay) {
        m_ctx.prompt().warning(StopBeforeStartMessage);
        return false;
    }
    FollowUpSettingsStore(m_ctx.database()).save(s, classes);
    return true;
}
