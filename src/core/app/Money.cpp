#include "core/app/Money.h"

#include <cmath>

Money Money::fromDoubleRounded(double value)
{
    return fromUnits(std::int64_t(std::llround(value * Scale)));
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
        if (whole > (INT64_MAX / Scale) / 10)
            return std::nullopt;
        whole = whole * 10 + (text[i].unicode() - '0');
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
    const std::int64_t absUnits = m_units < 0 ? -m_units : m_units;
    QString text = QString::number(absUnits / Scale);
    std::int64_t frac = absUnits % Scale;
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
    const std::int64_t absUnits = m_units < 0 ? -m_units : m_units;
    const std::int64_t cents = (absUnits + 50) / 100;
    QString text = QString::number(cents / 100) + u'.' + QString::number(cents % 100).rightJustified(2, u'0');
    return m_units < 0 && cents != 0 ? u'-' + text : text;
}
