#include "data/app/NumberPlanStore.h"

#include "data/app/SettingsStore.h"
#include "data/db/Sql.h"
#include "data/db/TransactionGuard.h"

std::optional<NumberPlan> NumberPlanStore::plan() const
{
    QSqlQuery q = Sql::exec(m_db, QStringLiteral("SELECT 前缀, 后缀位数, 起始 FROM 编号计划 ORDER BY rowid LIMIT 1"));
    if (!q.next())
        return std::nullopt;
    return NumberPlan{q.value(0).toString(), q.value(1).toInt(), q.value(2).toLongLong()};
}

NumberPlan NumberPlanStore::ensurePlan()
{
    if (auto existing = plan())
        return *existing;
    const NumberPlan fresh;
    Sql::exec(m_db, QStringLiteral("INSERT INTO 编号计划 (前缀, 后缀位数, 起始) VALUES (?, ?, ?)"),
              {fresh.prefix, fresh.digits, fresh.next});
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
    if (first.isValid())
        Sql::exec(m_db, QStringLiteral("UPDATE 编号计划 SET 前缀 = ?, 后缀位数 = ?, 起始 = ? WHERE rowid = ?"),
                  {plan.prefix, plan.digits, plan.next, first});
    else
        Sql::exec(m_db, QStringLiteral("INSERT INTO 编号计划 (前缀, 后缀位数, 起始) VALUES (?, ?, ?)"),
                  {plan.prefix, plan.digits, plan.next});
    tx.commit();
}
