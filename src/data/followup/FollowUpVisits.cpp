#include "data/followup/FollowUpVisits.h"

#include "core/app/DateText.h"
#include "core/followup/FollowUpSettings.h"
#include "core/followup/FollowUpState.h"
#include "data/catalogs/FollowUpStaffTable.h"
#include "data/db/ElapsedDays.h"
#include "data/db/RowKey.h"
#include "data/db/TableMap.h"
#include "data/db/TransactionGuard.h"
#include "data/followup/FollowUpTable.h"

namespace T = FollowUpTable;

void FollowUpVisits::refresh(const FollowUpSettings &settings, const QDateTime &now)
{
    const QString days = ElapsedDays::expression(ColumnMap::quoted(T::Ended.column));
    const QVariant moment = ElapsedDays::moment(now);
    const QString table = ColumnMap::quoted(T::Table);
    const QString count = ColumnMap::quoted(T::DaysSinceEnd.column);
    const QString state = ColumnMap::quoted(T::State.column);
    // A visit whose end is no date keeps its count and its state.
    const QString setCount = QStringLiteral("%1 = COALESCE(CAST(%2 AS TEXT) || ?, %1)").arg(count, days);

    TransactionGuard tx(m_db);
    Sql::exec(m_db,
              QStringLiteral("UPDATE %1 SET %2, %3 = CASE WHEN %4 >= ? THEN ? ELSE %3 END WHERE %3 = ?")
                  .arg(table, setCount, state, days),
              {moment, DaySuffix, moment, settings.startDay, FollowUpState::Due, FollowUpState::Planned});
    Sql::exec(m_db,
              QStringLiteral("UPDATE %1 SET %2, %3 = CASE WHEN ? = 1 AND %4 > ? THEN ? ELSE %3 END WHERE %3 = ?")
                  .arg(table, setCount, state, days),
              {moment, DaySuffix, settings.cancelOverdue ? 1 : 0, moment, settings.stopDay, FollowUpState::Expired,
               FollowUpState::Due});
    tx.commit();
}

std::optional<FollowUpVisit> FollowUpVisits::visit(qint64 key) const
{
    return T::visitMap().first(m_db, QStringLiteral("WHERE ") + RowKey::column() + QStringLiteral(" = ?"), {key});
}

QStringList FollowUpVisits::staffNames() const
{
    return Sql::column(m_db, QStringLiteral("SELECT %1 FROM %2 ORDER BY %3")
                                 .arg(ColumnMap::quoted(FollowUpStaffTable::Name.column),
                                      ColumnMap::quoted(FollowUpStaffTable::Table), RowKey::column()));
}

void FollowUpVisits::saveNotes(qint64 key, const FollowUpNotes &notes)
{
    FollowUpVisit v;
    v.notes = notes;
    T::visitMap().update(m_db, v, T::noteColumns(), RowKey::column() + QStringLiteral(" = ?"), {key});
}

std::optional<QString> FollowUpVisits::close(qint64 key, const QString &state, const FollowUpNotes &notes,
                                             const QDate &day)
{
    TransactionGuard tx(m_db);
    const QVariant stored = Sql::scalar(
        m_db, QStringLiteral("SELECT %1 FROM %2 WHERE %3 = ?")
                  .arg(ColumnMap::quoted(T::State.column), ColumnMap::quoted(T::Table), RowKey::column()),
        {key});
    if (!stored.isValid())
        return std::nullopt;
    const QString before = stored.toString();
    if (before == state)
        return before;
    FollowUpVisit v;
    v.notes = notes;
    v.state = state;
    v.visitedAt = DateText::toText(day);
    QList<ColumnRef> columns = T::noteColumns();
    columns << T::State << T::VisitedAt;
    T::visitMap().update(m_db, v, columns, RowKey::column() + QStringLiteral(" = ?"), {key});
    tx.commit();
    return before;
}
