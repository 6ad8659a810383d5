#include "core/app/DateText.h"

QString DateText::toText(const QDate &date)
{
    return date.isValid() ? date.toString(QString::fromLatin1(Format)) : QString();
}

QDate DateText::fromText(const QString &text)
{
    return QDate::fromString(text.trimmed().left(10), QString::fromLatin1(Format));
}

QString DateText::numberStem(const QDate &date)
{
    return date.toString(QStringLiteral("yyMMdd"));
}

MonthRange MonthRange::of(int year, int month)
{
    const QDate first(year, month, 1);
    return {first, first.addMonths(1)};
}
