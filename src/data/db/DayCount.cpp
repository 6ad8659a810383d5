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
    // The engine's own day number of the moment, computed as it computes one from text (whole
    // milliseconds since the start of the Julian period, divided once), so the counts are the
    // same; bound as a number it is not parsed again for every row.
    const qint64 ms = now.date().toJulianDay() * 86400000 - 43200000 + now.time().msecsSinceStartOfDay();
    return double(ms) / 86400000.0;
}
