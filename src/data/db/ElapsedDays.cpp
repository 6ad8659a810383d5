#include "data/db/ElapsedDays.h"

QString ElapsedDays::expression(const QString &dateColumn)
{
    // The engine's day numbers are exact to the millisecond, and CAST cuts toward zero.
    return QStringLiteral("CAST(julianday(?) - julianday(%1) AS INTEGER)").arg(dateColumn);
}

QVariant ElapsedDays::moment(const QDateTime &when)
{
    // The engine's own day number of the moment, computed as it computes one from text (whole
    // milliseconds from the start of the Julian period, then divided once), so the counts are
    // the same; bound as a number, it is not parsed again for every row.
    const qint64 ms = when.date().toJulianDay() * 86400000 - 43200000 + when.time().msecsSinceStartOfDay();
    return double(ms) / 86400000.0;
}
