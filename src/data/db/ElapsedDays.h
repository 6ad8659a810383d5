#pragma once

// Internal to the data layer: date arithmetic in a statement, which each engine spells its own way.

#include <QDateTime>
#include <QString>
#include <QVariant>

namespace ElapsedDays {
// The whole days from the start of the day in dateColumn ("yyyy-MM-dd") to a moment bound in its
// one "?" placeholder, cut toward zero: the count grows at midnight, and an end still to come gives
// 0 for its coming day and negative counts before that. NULL when the column holds no date.
QString expression(const QString &dateColumn);
// The value to bind for a moment.
QVariant moment(const QDateTime &when);
}
