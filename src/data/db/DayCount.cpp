#include "data/db/DayCount.h"

QString DayCount::wholeDaysSince(const QString &quotedDateColumn)
{
    // CAST to INTEGER truncates toward zero; julianday() of a text that is no date is NULL.
    return QStringLiteral("CAST(julianday(?) - julianday(%1) AS INTEGER)").arg(quotedDateColumn);
}

QString DayCount::holdsDate(const QString &quotedDateColumn)
{
    return QStringLiteral("julianday(%1) IS NOT NULL").arg(quotedDateColumn);
}

QVariant DayCount::moment(const QDateTime &now)
{
    return now.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz"));
}
