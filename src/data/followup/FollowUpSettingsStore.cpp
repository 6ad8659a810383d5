#include "data/followup/FollowUpSettingsStore.h"

#include "data/app/SettingsStore.h"
#include "data/customers/CustomerClassTable.h"
#include "data/db/RowKey.h"
#include "data/db/Sql.h"
#include "data/db/TableMap.h"
#include "data/db/TransactionGuard.h"
#include "data/followup/FollowUpPlans.h"

const QString &FollowUpSettingsStore::scopeKey()
{
    return FollowUpPlans::ScopeKey;
}

FollowUpSettings FollowUpSettingsStore::read() const
{
    const SettingsStore store(m_db);
    FollowUpSettings s;
    s.scope = store.value(scopeKey()).value_or(QString());
    s.cancelOverdue = FollowUpSettings::cancelsOverdue(store.value(ExpiryKey));
    s.startDay = FollowUpSettings::dayCount(store.value(StartKey));
    s.stopDay = FollowUpSettings::dayCount(store.value(StopKey));
    return s;
}

FollowUpSettings FollowUpSettingsStore::open()
{
    SettingsStore store(m_db);
    for (const QString &key : {scopeKey(), ExpiryKey, StartKey, StopKey})
        store.createIfMissing(key);
    return read();
}

QList<FollowUpSettingsStore::ClassFlag> FollowUpSettingsStore::classes() const
{
    namespace C = CustomerClassTable;
    QSqlQuery q = Sql::exec(m_db, QStringLiteral("SELECT %1, %2, %3 FROM %4 ORDER BY %1")
                                      .arg(RowKey::column(), ColumnMap::quoted(C::Name.column),
                                           ColumnMap::quoted(C::FollowsUp.column), ColumnMap::quoted(C::Table)));
    QList<ClassFlag> out;
    while (q.next())
        out << ClassFlag{q.value(0).toLongLong(), q.value(1).toString(), q.value(2).toLongLong() != 0};
    return out;
}

void FollowUpSettingsStore::save(const FollowUpSettings &settings, const QList<ClassFlag> &classes)
{
    namespace C = CustomerClassTable;
    TransactionGuard tx(m_db);
    SettingsStore store(m_db);
    const std::pair<QString, QString> values[] = {
        {scopeKey(), settings.scope},
        {ExpiryKey, FollowUpSettings::expiryText(settings.cancelOverdue)},
        {StartKey, QString::number(settings.startDay)},
        {StopKey, QString::number(settings.stopDay)},
    };
    // A row gone since the screen opened is written again rather than losing the value.
    for (const auto &[key, value] : values)
        if (!store.setValue(key, value))
            store.createIfMissing(key, value);
    const QString update = QStringLiteral("UPDATE %1 SET %2 = ? WHERE %3 = ?")
                               .arg(ColumnMap::quoted(C::Table), ColumnMap::quoted(C::FollowsUp.column), RowKey::column());
    for (const ClassFlag &c : classes)
        Sql::exec(m_db, update, {c.followsUp ? 1 : 0, c.key});
    tx.commit();
}
