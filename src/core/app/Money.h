#pragma once

#include <QString>
#include <compare>
#include <cstdint>
#include <optional>

// A currency amount: a 64-bit count of ten-thousandths, like a four-decimal currency column.
// There is deliberately no constructor from double; use the named functions.
class Money
{
public:
    static constexpr std::int64_t Scale = 10000;

    constexpr Money() = default;
    static constexpr Money fromUnits(std::int64_t tenThousandths) { Money m; m.m_units = tenThousandths; return m; }
    static constexpr Money fromWhole(std::int64_t whole) { return fromUnits(whole * Scale); }
    // Rounds half away from zero to four decimals; for computed prices (weighted averages).
    static Money fromDoubleRounded(double value);
    // Parses "12", "-3.5", " 0.1234 ", "+7.": at most four decimals, nothing else. nullopt on anything else.
    static std::optional<Money> parse(const QString &text);

    constexpr std::int64_t units() const { return m_units; }
    double toDouble() const { return double(m_units) / Scale; }
    // Shortest decimal text: "3", "2.5", "-0.0001".
    QString toText() const;
    // Fixed two decimals for printed amounts: "3.00".
    QString toFixed2() const;

    constexpr bool isZero() const { return m_units == 0; }
    constexpr Money operator+(Money o) const { return fromUnits(m_units + o.m_units); }
    constexpr Money operator-(Money o) const { return fromUnits(m_units - o.m_units); }
    constexpr Money operator-() const { return fromUnits(-m_units); }
    constexpr Money operator*(std::int64_t n) const { return fromUnits(m_units * n); }
    Money &operator+=(Money o) { m_units += o.m_units; return *this; }
    Money &operator-=(Money o) { m_units -= o.m_units; return *this; }
    constexpr auto operator<=>(const Money &) const = default;

private:
    std::int64_t m_units = 0;
};
