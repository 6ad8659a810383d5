#include "core/app/Quantity.h"

std::optional<qint64> Quantity::parse(const QString &text)
{
    bool ok = false;
    const qint64 n = text.trimmed().toLongLong(&ok, 10);
    if (!ok || !inRange(n))
        return std::nullopt;
    return n;
}

std::optional<qint64> Quantity::sum(qint64 a, qint64 b)
{
    qint64 r = 0;
    if (__builtin_add_overflow(a, b, &r))
        return std::nullopt;
    return r;
}

std::optional<qint64> Quantity::difference(qint64 a, qint64 b)
{
    qint64 r = 0;
    if (__builtin_sub_overflow(a, b, &r))
        return std::nullopt;
    return r;
}
