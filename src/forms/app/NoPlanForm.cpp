#include "forms/app/NoPlanForm.h"

#include "data/app/NumberPlanStore.h"
#include "forms/app/AppContext.h"
#include "forms/app/Prompter.h"

void NoPlanForm::load()
{
    NumberPlanStore store(m_ctx.database());
    const NumberPlan plan = store.ensurePlan();
    useCustom = store.ensureMode() != NumberPlanStore::DefaultMode;
    prefix = plan.prefix;
    digitsText = QString::number(plan.digits);
    startText = QString::number(plan.next);
}

bool NoPlanForm::confirm()
{
    bool digitsOk = false;
    bool startOk = false;
    const int digits = digitsText.trimmed().toInt(&digitsOk);
    const qint64 start = startText.trimmed().toLongLong(&startOk);
    if (!digitsOk || !startOk) {
        m_ctx.prompt().warning(NotIntegerMessage);
        return false;
    }
    NumberPlanStore(m_ctx.database())
        .save(useCustom ? NumberPlanStore::CustomMode : NumberPlanStore::DefaultMode, NumberPlan{prefix, digits, start});
    return true;
}
