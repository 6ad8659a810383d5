#include "core/app/Money.h"

#include <cmath>
#include <stdexcept>

void Money::overflow()
{
    throw std::overflow_error(OverflowMessage.toStdString());
}

Money Money::fromDoubleRounded(double value)
{
    const double units = std::round(value * Scale);
    // 2^63 is exactly representable; anything at or beyond it (or not a number) has no Money.
    if (!(units > -9223372036854775808.0 && units < 9223372036854775808.0))
        overflow();
    return fromUnits(std::int64_t(units));
}

bool Money::withinInputLimit(double value)
{
    const double units = std::round(value * Scale);
    return units > -double(InputLimit) && units < double(InputLimit);
}

std::optional<Money> Money::parse(const QString &input)
{
    const QString text = input.trimmed();
    if (text.isEmpty())
        return std::nullopt;
    int i = 0;
    bool negative = false;
    if (text[0] == u'-' || text[0] == u'+') {
        negative = text[0] == u'-';
        ++i;
    }
    std::int64_t whole = 0;
    int wholeDigits = 0;
    for (; i < text.size() && text[i].isDigit() && text[i].unicode() < 128; ++i, ++wholeDigits) {
        whole = whole * 10 + (text[i].unicode() - '0');
        if (whole >= InputLimit / Scale)
            return std::nullopt;
    }
    std::int64_t frac = 0;
    int fracDigits = 0;
    if (i < text.size() && text[i] == u'.') {
        ++i;
        for (; i < text.size() && text[i].isDigit() && text[i].unicode() < 128; ++i, ++fracDigits) {
            if (fracDigits >= 4)
                return std::nullopt;
            frac = frac * 10 + (text[i].unicode() - '0');
        }
    }
    if (i != text.size() || wholeDigits + fracDigits == 0)
        return std::nullopt;
    for (int d = fracDigits; d < 4; ++d)
        frac *= 10;
    const std::int64_t units = whole * Scale + frac;
    return fromUnits(negative ? -units : units);
}

QString Money::toText() const
{
    // Unsigned, so the most negative amount has a magnitude too.
    const std::uint64_t absUnits = m_units < 0 ? 0 - std::uint64_t(m_units) : std::uint64_t(m_units);
    QString text = QString::number(absUnits / Scale);
    std::uint64_t frac = absUnits % Scale;
    if (frac != 0) {
        QString digits = QString::number(frac).rightJustified(4, u'0');
        while (digits.endsWith(u'0'))
            digits.chop(1);
        text += u'.' + digits;
    }
    return m_units < 0 ? u'-' + text : text;
}

QString Money::toFixed2() const
{
    const std::uint64_t absUnits = m_units < 0 ? 0 - std::uint64_t(m_units) : std::uint64_t(m_units);
    const std::uint64_t cents = (absUnits + 50) / 100;
    QString text = QString::number(cents / 100) + u'.' + QString::number(cents % 100).rightJustified(2, u'0');
    return m_units < 0 && cents != 0 ? u'-' + text : text;
}
