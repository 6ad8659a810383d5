#include "data/db/ElapsedDays.h"

QString ElapsedDays::expression(const QString &dateColumn)
{
    // The engine's day numbers are exact to the millisecond, and CAST cuts toward zero.
    return QStringLiteral("CAST(julianday(?) - julianday(%1) AS INTEGER)").arg(dateColumn);
}

QVariant ElapsedDays::moment(const QDateTime &when)
{
    return when.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz"));
}
