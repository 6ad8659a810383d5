#pragma once

#include "core/followup/FollowUpVisit.h"

#include <QDateTime>
#include <QStringList>
#include <optional>

class Database;
struct FollowUpSettings;

// The follow-up visits of "回访" as the pending-visits screen moves them: the refresh that makes
// planned visits due and due ones expire, the operator's notes, finishing and cancelling.
class FollowUpVisits
{
public:
    static inline const QString DaySuffix = QStringLiteral("天");

    explicit FollowUpVisits(Database &db) : m_db(db) {}

    // Rewrites the day count ("距离业务结束时间", whole days from the business's end to now) of
    // every planned visit and makes those at or past the start day due; then rewrites the count
    // of every due visit and, when the settings cancel overdue visits, expires those past the
    // stop day. Two statements in one transaction: all of it lands or none.
    void refresh(const FollowUpSettings &settings, const QDateTime &now);

    std::optional<FollowUpVisit> visit(qint64 key) const;
    // The follow-up staff ("回访员") in table order.
    QStringList staffNames() const;
    // Writes the operator's notes into the visit (nothing when the row is gone).
    void saveNotes(qint64 key, const FollowUpNotes &notes);
    // Closes a visit as `state` ("已结束" or "已取消") with the notes and the visit day
    // ("回访时间"), in one transaction, unless its stored state already is `state`: then nothing
    // is written. Returns the state stored before; nullopt (nothing written) when the row is gone.
    std::optional<QString> close(qint64 key, const QString &state, const FollowUpNotes &notes, const QDate &day);

private:
    Database &m_db;
};
