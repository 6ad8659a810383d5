#pragma once

// Internal to the data layer: the engine's own date arithmetic, kept in one place so that the
// statements that need it stay portable otherwise.

#include <QDateTime>
#include <QString>
#include <QVariant>

namespace DayCount {
// An expression: the whole days from midnight of the date held in the column ("yyyy-MM-dd") to
// the moment bound at its one "?", truncated toward zero (a date later today's gives 0 for
// tomorrow, -1 for the day after); NULL when the column holds no date.
QString wholeDaysSince(const QString &quotedDateColumn);
// A condition: the column holds a date the expression above can count from.
QString holdsDate(const QString &quotedDateColumn);
// The value to bind for the moment.
QVariant moment(const QDateTime &now);
}
