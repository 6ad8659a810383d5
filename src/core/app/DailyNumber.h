#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

// Daily business numbers: prefix + yyMMdd + "-" + the smallest counter from 1 not yet used.
namespace DailyNumber {
// "wx-261210-", the text every number of that prefix and day starts with.
QString stem(const QString &prefix, const QDate &day);
// The first free counter given the numbers already used that start with stem. Only an exact
// "stem + n" (decimal, no leading zeros) occupies n.
int firstFreeCounter(const QString &stem, const QStringList &used);
QString make(const QString &stem, int counter);
// Every text starting with stem sorts in [stem, upperBound(stem)): a range an index can answer.
QString upperBound(const QString &stem);
}
