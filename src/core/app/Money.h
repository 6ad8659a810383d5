#pragma once

#include <QString>
#include <compare>
#include <cstdint>
#include <optional>

// A currency amount: a 64-bit count of ten-thousandths, like a four-decimal currency column.
// There is deliberately no constructor from double; use the named functions.
//
// Amounts typed in are refused from one trillion (InputLimit) up: no shop price comes near it,
// and it leaves the 64-bit range (about 922 trillion) room for sums and products of many such
// amounts. The arithmetic is checked all the same: a result beyond 64 bits throws
// std::overflow_error (OverflowMessage) instead of wrapping into a wrong sign, so the save that
// needed it is abandoned before anything is written.
class Money
{
public:
    static constexpr std::int64_t Scale = 10000;
    // Exclusive bound of a typed amount, in ten-thousandths: 1,000,000,000,000.
    static constexpr std::int64_t InputLimit = 1'000'000'000'000LL * Scale;
    static inline const QString OverflowMessage = QStringLiteral("金额超出了本程序能记录的范围，本次操作没有保存。");

    constexpr Money() = default;
    static constexpr Money fromUnits(std::int64_t tenThousandths) { Money m; m.m_units = tenThousandths; return m; }
    static constexpr Money fromWhole(std::int64_t whole) { return fromUnits(checkedMul(whole, Scale)); }
    // Rounds half away from zero to four decimals; for computed prices (weighted averages).
    static Money fromDoubleRounded(double value);
    // Parses "12", "-3.5", " 0.1234 ", "+7.": at most four decimals, below InputLimit, nothing
    // else. nullopt on anything else.
    static std::optional<Money> parse(const QString &text);
    // Whether a number typed in, rounded to four decimals, is below InputLimit in size.
    static bool withinInputLimit(double value);

    constexpr std::int64_t units() const { return m_units; }
    double toDouble() const { return double(m_units) / Scale; }
    // Shortest decimal text: "3", "2.5", "-0.0001".
    QString toText() const;
    // Fixed two decimals for printed amounts: "3.00".
    QString toFixed2() const;

    constexpr bool isZero() const { return m_units == 0; }
    constexpr Money operator+(Money o) const { return fromUnits(checkedAdd(m_units, o.m_units)); }
    constexpr Money operator-(Money o) const { return fromUnits(checkedSub(m_units, o.m_units)); }
    constexpr Money operator-() const { return fromUnits(checkedSub(0, m_units)); }
    constexpr Money operator*(std::int64_t n) const { return fromUnits(checkedMul(m_units, n)); }
    Money &operator+=(Money o) { return *this = *this + o; }
    Money &operator-=(Money o) { return *this = *this - o; }
    constexpr auto operator<=>(const Money &) const = default;

private:
    [[noreturn]] static void overflow(); // throws std::overflow_error(OverflowMessage)
    static constexpr std::int64_t checkedAdd(std::int64_t a, std::int64_t b)
    {
        std::int64_t r = 0;
        if (__builtin_add_overflow(a, b, &r))
            overflow();
        return r;
    }
    static constexpr std::int64_t checkedSub(std::int64_t a, std::int64_t b)
    {
        std::int64_t r = 0;
        if (__builtin_sub_overflow(a, b, &r))
            overflow();
        return r;
    }
    static constexpr std::int64_t checkedMul(std::int64_t a, std::int64_t b)
    {
        std::int64_t r = 0;
        if (__builtin_mul_overflow(a, b, &r))
            overflow();
        return r;
    }

    std::int64_t m_units = 0;
};
