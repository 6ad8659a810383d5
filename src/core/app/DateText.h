#pragma once

#include <QDate>
#include <QString>

// Dates are stored as "yyyy-MM-dd" text so that text comparison orders them like the calendar.
namespace DateText {
inline constexpr const char *Format = "yyyy-MM-dd";
QString toText(const QDate &date);
QDate fromText(const QString &text);
// "yyMMdd", the date part of business numbers.
QString numberStem(const QDate &date);
}

// A calendar month as the half-open text range [first, next) of zero-padded ISO dates.
struct MonthRange
{
    QDate first;
    QDate next;
    static MonthRange of(int year, int month);
    QString firstText() const { return DateText::toText(first); }
    QString nextText() const { return DateText::toText(next); }
};
