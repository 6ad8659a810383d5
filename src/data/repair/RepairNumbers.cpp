#include "data/repair/RepairNumbers.h"

#include "core/app/DailyNumber.h"
#include "data/app/NumberPlanStore.h"
#include "data/app/SettingsStore.h"
#include "data/db/Sql.h"
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
    QSqlQuery q = Sql::exec(m_db, QStringLiteral("SELECT rowid, 前缀, 后缀位数, 起始 FROM 编号计划 ORDER BY rowid LIMIT 1"));
    if (!q.next())
        return {{}, NoPlanMessage};
    const QVariant rowid = q.value(0);
    const QString prefix = q.value(1).toString();
    const int digits = q.value(2).toInt();
    const qint64 next = q.value(3).toLongLong();
    q.finish();
    const QString counter = QString::number(next);
    if (digits < counter.size())
        return {{}, TooLongMessage};
    Sql::exec(m_db, QStringLiteral("UPDATE 编号计划 SET 起始 = ? WHERE rowid = ?"), {next + 1, rowid});
    tx.commit();
    return {prefix + counter.rightJustified(digits, u'0'), {}};
}

bool RepairNumbers::exists(const QString &number) const
{
    return Sql::scalar(m_db, QStringLiteral("SELECT 1 FROM 维修 WHERE 业务编号 = ? LIMIT 1"), {number}).isValid();
}
