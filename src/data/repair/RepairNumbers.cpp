#include "data/repair/RepairNumbers.h"

#include "core/app/DailyNumber.h"
#include "data/app/NumberPlanStore.h"
#include "data/app/NumberPlanTable.h"
#include "data/app/SettingsStore.h"
#include "data/db/TableMap.h"
#include "data/db/TransactionGuard.h"

NumberProposal RepairNumbers::GenerateRepairNumber(const QDate &today)
{
    const QString mode = SettingsStore(m_db).value(NumberPlanStore::ModeKey).value_or(NumberPlanStore::DefaultMode);
    if (mode == NumberPlanStore::DefaultMode) {
        const QString stem = DailyNumber::stem(DefaultPrefix, today);
        const QStringList used = Sql::column(
            m_db, QStringLiteral("SELECT 业务编号 FROM 维修 WHERE 业务编号 >= ? AND 业务编号 < ?"), {stem, DailyNumber::upperBound(stem)});
        return {DailyNumber::make(stem, DailyNumber::firstFreeCounter(stem, used)), {}};
    }

    TransactionGuard tx(m_db);
    const auto &map = NumberPlanTable::map();
    QSqlQuery q = Sql::exec(m_db, QStringLiteral("SELECT rowid, %1 FROM 编号计划 ORDER BY rowid LIMIT 1").arg(map.selectList()));
    if (!q.next())
        return {{}, NoPlanMessage};
    const QVariant rowid = q.value(0);
    NumberPlan plan = map.read(q, 1);
    q.finish();
    const QString counter = QString::number(plan.next);
    if (plan.digits < counter.size())
        return {{}, TooLongMessage};
    ++plan.next;
    map.update(m_db, plan, {NumberPlanTable::Next}, QStringLiteral("rowid = ?"), {rowid});
    tx.commit();
    return {plan.prefix + counter.rightJustified(plan.digits, u'0'), {}};
}

bool RepairNumbers::exists(const QString &number) const
{
    return Sql::scalar(m_db, QStringLiteral("SELECT 1 FROM 维修 WHERE 业务编号 = ? LIMIT 1"), {number}).isValid();
}
