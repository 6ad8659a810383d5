#include "core/app/DailyNumber.h"

#include "core/app/DateText.h"

#include <vector>

QString DailyNumber::stem(const QString &prefix, const QDate &day)
{
    return prefix + DateText::numberStem(day) + u'-';
}

int DailyNumber::firstFreeCounter(const QString &stem, const QStringList &used)
{
    std::vector<bool> taken(used.size() + 2, false);
    for (const QString &number : used) {
        if (!number.startsWith(stem))
            continue;
        const QStringView suffix = QStringView(number).mid(stem.size());
        bool ok = false;
        const qlonglong n = suffix.toLongLong(&ok);
        if (ok && n >= 1 && n < qlonglong(taken.size()) && QString::number(n) == suffix)
            taken[size_t(n)] = true;
    }
    int n = 1;
    while (taken[size_t(n)])
        ++n;
    return n;
}

QString DailyNumber::make(const QString &stem, int counter)
{
    return stem + QString::number(counter);
}

QString DailyNumber::upperBound(const QString &stem)
{
    QString upper = stem;
    upper.back() = QChar(upper.back().unicode() + 1);
    return upper;
}
