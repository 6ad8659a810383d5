#include "data/app/NumberPlanStore.h"

#include "data/app/NumberPlanTable.h"
#include "data/app/SettingsStore.h"
#include "data/db/TableMap.h"
#include "data/db/Sql.h"
#include "data/db/TransactionGuard.h"

std::optional<NumberPlan> NumberPlanStore::plan() const
{
    return NumberPlanTable::map().first(m_db, QStringLiteral("ORDER BY rowid LIMIT 1"));
}

NumberPlan NumberPlanStore::ensurePlan()
{
    if (auto existing = plan())
        return *existing;
    const NumberPlan fresh;
    NumberPlanTable::map().insert(m_db, fresh);
    return fresh;
}

QString NumberPlanStore::ensureMode()
{
    SettingsStore settings(m_db);
    if (auto mode = settings.value(ModeKey))
        return *mode;
    settings.createIfMissing(ModeKey, DefaultMode);
    return DefaultMode;
}

void NumberPlanStore::save(const QString &mode, const NumberPlan &plan)
{
    TransactionGuard tx(m_db);
    SettingsStore settings(m_db);
    if (!settings.setValue(ModeKey, mode))
        settings.createIfMissing(ModeKey, mode);
    const QVariant first = Sql::scalar(m_db, QStringLiteral("SELECT rowid FROM 编号计划 ORDER BY rowid LIMIT 1"));
    const auto &map = NumberPlanTable::map();
    if (first.isValid())
        map.update(m_db, plan, map.columns(), QStringLiteral("rowid = ?"), {first});
    else
        map.insert(m_db, plan);
    tx.commit();
}
