#include "data/followup/FollowUpVisits.h"

#include "core/app/DateText.h"
#include "core/followup/FollowUpSettings.h"
#include "core/followup/FollowUpState.h"
#include "data/catalogs/FollowUpStaffTable.h"
#include "data/db/DayCount.h"
#include "data/db/RowKey.h"
#include "data/db/TableMap.h"
#include "data/db/TransactionGuard.h"
#include "data/followup/FollowUpTable.h"

namespace T = FollowUpTable;

void FollowUpVisits::refresh(const FollowUpSettings &settings, const QDateTime &now)
{
    const QString days = DayCount::wholeDaysSince(ColumnMap::quoted(T::Ended.column));
    const QVariant moment = DayCount::moment(now);
    const QString count = ColumnMap::quoted(T::DaysSinceEnd.column);
    const QString state = ColumnMap::quoted(T::State.column);
    // A visit whose end is no date keeps its count and its state.
    const QString newCount = QStringLiteral("COALESCE(CAST(%1 AS TEXT) || ?, %2)").arg(days, count);
    const QVariantList newCountValues{moment, DaySuffix};

    // Each step moves the visits of one state where `moves` holds and rewrites their counts;
    // a visit whose count and state stay as they are is not written, so opening the screen
    // again the same day writes nothing.
    auto step = [&](const QString &from, const QString &moves, const QVariantList &movesValues, const QString &to) {
        const QString statement =
            QStringLiteral("UPDATE %1 SET %2 = %3, %4 = CASE WHEN %5 THEN ? ELSE %4 END "
                           "WHERE %4 = ? AND (%2 IS DISTINCT FROM %3 OR %5)")
                .arg(ColumnMap::quoted(T::Table), count, newCount, state, moves);
        Sql::exec(m_db, statement, newCountValues + movesValues + QVariantList{to, from} + newCountValues + movesValues);
    };
    TransactionGuard tx(m_db);
    step(FollowUpState::Planned, days + QStringLiteral(" >= ?"), {moment, settings.startDay}, FollowUpState::Due);
    step(FollowUpState::Due, QStringLiteral("? = 1 AND %1 > ?").arg(days),
         {settings.cancelOverdue ? 1 : 0, moment, settings.stopDay}, FollowUpState::Expired);
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
