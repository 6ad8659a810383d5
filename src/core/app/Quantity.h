#pragma once

#include <QString>
#include <optional>

// A count of units on a bill line or a stock row. Every quantity field of every bill reads its
// text through parse(), so a count the shop can never mean (and that would overflow the stock
// arithmetic) is refused with the field's number message instead of being stored.
class Quantity
{
public:
    // The largest count a quantity field accepts, either sign: nine digits.
    static constexpr qint64 Max = 999'999'999;

    // An integer such as "12", " -3 ", "+7" within ±Max; nullopt for anything else
    // (empty, decimals, letters, out of range).
    static std::optional<qint64> parse(const QString &text);
    static constexpr bool inRange(qint64 n) { return n >= -Max && n <= Max; }

    // Stock arithmetic that never wraps: nullopt when the result does not fit in 64 bits.
    static std::optional<qint64> sum(qint64 a, qint64 b);
    static std::optional<qint64> difference(qint64 a, qint64 b);
};
